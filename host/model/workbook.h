#pragma once
// A workbook: sheets in order, workbook-level names, application state and the generation
// counter that every write bumps (formula results cached at an older generation are stale).
// Sheets refer back to their workbook, so a workbook neither copies nor moves: hold it by
// pointer (std::unique_ptr<Workbook>).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/model/application_state.h"
#include "host/model/chart_sheet.h"
#include "host/model/defined_names.h"
#include "host/model/worksheet.h"

namespace korvat::host {

// A reference resolved to a sheet and a rectangle.
struct ResolvedRange {
  Worksheet* sheet = nullptr;
  RangeRef range;
};

class Workbook {
 public:
  Workbook() = default;
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  // ---- sheets (0-based positions)
  int SheetCount() const { return static_cast<int>(sheets_.size()); }
  Sheet* SheetAt(int index) const;
  int IndexOf(const Sheet& sheet) const;  // -1 when not in this workbook
  Sheet* FindSheet(std::string_view name) const;  // without regard to case
  Worksheet* FindWorksheet(std::string_view name) const;
  std::vector<Worksheet*> Worksheets() const;
  // Shared ownership for adapters that must notice a deleted sheet (weak_ptr).
  std::shared_ptr<Sheet> SharedSheet(const Sheet& sheet) const;

  // Adds a sheet at the position (-1 or past the end: last). An empty name gives the next
  // free "SheetN" ("ChartN"); the code name is then the same. Null when the name is invalid
  // or taken.
  Worksheet* AddWorksheet(std::string name = {}, int position = -1);
  ChartSheet* AddChartSheet(std::string name = {}, int position = -1);
  // False when the name is empty, longer than 31, holds one of : \ / ? * [ ] or is taken by
  // another sheet.
  bool RenameSheet(Sheet& sheet, std::string name);
  bool DeleteSheet(Sheet& sheet);
  static bool IsValidSheetName(std::string_view name);
  // Embeds a chart sheet's chart in a worksheet as a chart shape and removes the chart sheet.
  Shape* PlaceChartOn(ChartSheet& chartSheet, Worksheet& target);

  // ---- names and references
  DefinedNames& Names() { return names_; }
  const DefinedNames& Names() const { return names_; }
  // "B3", "A1:C4", "B:B", "5:7" on the context sheet; "Settings!$B$3", "'My plan'!A1:B2";
  // or a defined name (the context sheet's own names first). Nothing when it does not resolve.
  std::optional<ResolvedRange> ResolveReference(std::string_view text, const Worksheet* context) const;

  // ---- application state
  ApplicationState& App() { return app_; }
  const ApplicationState& App() const { return app_; }
  Worksheet* ActiveWorksheet() const;  // the active sheet when it is a worksheet, else the first

  // ---- values
  uint64_t Generation() const { return generation_; }
  void BumpGeneration() { ++generation_; }
  // The current result of a formula cell of the sheet (cached per generation). A formula that
  // reaches itself gives #REF!; so does a chain of references deeper than kMaxEvaluationDepth.
  CellValue EvaluateCell(const Worksheet& sheet, const Cell& cell) const;
  static constexpr int kMaxEvaluationDepth = 400;

 private:
  std::string NextFreeName(const char* stem) const;
  bool IsNameTaken(std::string_view name, const Sheet* except) const;
  void Insert(std::shared_ptr<Sheet> sheet, int position);

  std::vector<std::shared_ptr<Sheet>> sheets_;
  DefinedNames names_;
  ApplicationState app_;
  uint64_t generation_ = 1;
  mutable int evaluationDepth_ = 0;
};

}  // namespace korvat::host
