#pragma once
// An EvalContext over a map of cells, for the formula tests. Cells may hold
// formulas; they are evaluated on read, on their own sheet, with cycles giving #VALUE!.

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "host/formula/formula.h"

namespace korvat::host::formula::testing {

class FakeWorkbook : public EvalContext {
 public:
  explicit FakeWorkbook(std::string defaultSheet = "Sheet1");

  void SetValue(const std::string& sheet, int row, int col, CellValue v);
  void SetFormula(const std::string& sheet, int row, int col, const std::string& text);
  void SetName(const std::string& name, const std::string& reference);

  // Evaluates text as a formula standing on the default sheet.
  CellValue EvaluateOnDefaultSheet(const std::string& text);

  CellValue CellValueAt(std::string_view sheet, int row, int col) override;
  int LastUsedRow(std::string_view sheet) override;
  int LastUsedColumn(std::string_view sheet) override;
  std::string ResolveName(std::string_view name) override;

  int cellReads() const { return cellReads_; }

 private:
  using Key = std::tuple<std::string, int, int>;
  struct Cell {
    CellValue value;
    std::string formula;  // evaluated on read when not empty
  };

  std::string SheetKey(std::string_view sheet) const;

  std::string defaultSheet_;
  std::map<Key, Cell> cells_;
  std::map<std::string, std::string> names_;  // upper-case name -> reference text
  std::vector<std::string> sheetStack_;
  std::set<Key> evaluating_;
  int cellReads_ = 0;
};

}  // namespace korvat::host::formula::testing
