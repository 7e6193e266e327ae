// Formula evaluation through the workbook: the engine reads cells through an EvalContext
// bound to the formula's own sheet; results are cached on the cell per generation.

#include "host/formula/formula.h"
#include "host/model/workbook.h"

namespace korvat::host {
namespace {

class SheetContext : public formula::EvalContext {
 public:
  SheetContext(const Workbook& book, const Worksheet& sheet) : book_(book), sheet_(sheet) {}

  CellValue CellValueAt(std::string_view sheet, int row, int col) override {
    const Worksheet* ws = Target(sheet);
    if (!ws) return CellValue::Error(CellError::Ref);
    return ws->Value(row, col);
  }
  int LastUsedRow(std::string_view sheet) override {
    const Worksheet* ws = Target(sheet);
    return ws ? ws->LastUsedRow() : 0;
  }
  int LastUsedColumn(std::string_view sheet) override {
    const Worksheet* ws = Target(sheet);
    return ws ? ws->LastUsedColumn() : 0;
  }
  std::string ResolveName(std::string_view name) override {
    if (auto ref = sheet_.Names().Find(name)) return *ref;
    if (auto ref = book_.Names().Find(name)) return *ref;
    return {};
  }

 private:
  const Worksheet* Target(std::string_view sheet) const {
    return sheet.empty() ? &sheet_ : book_.FindWorksheet(sheet);
  }
  const Workbook& book_;
  const Worksheet& sheet_;
};

// Marks a cell as being evaluated for the duration of a scope, and counts the depth.
class EvaluationGuard {
 public:
  EvaluationGuard(const Cell& cell, int& depth) : cell_(cell), depth_(depth) {
    cell_.evaluating = true;
    ++depth_;
  }
  ~EvaluationGuard() {
    cell_.evaluating = false;
    --depth_;
  }
  EvaluationGuard(const EvaluationGuard&) = delete;
  EvaluationGuard& operator=(const EvaluationGuard&) = delete;

 private:
  const Cell& cell_;
  int& depth_;
};

}  // namespace

CellValue Workbook::EvaluateCell(const Worksheet& sheet, const Cell& cell) const {
  if (!cell.HasFormula()) return cell.value;
  if (cell.computedAt == generation_) return cell.value;
  if (cell.evaluating || evaluationDepth_ >= kMaxEvaluationDepth)
    return CellValue::Error(CellError::Ref);
  if (!cell.parsed) cell.parsed = formula::ParseFormula(cell.formula);
  if (!cell.parsed) return CellValue::Error(CellError::Name);

  EvaluationGuard guard(cell, evaluationDepth_);
  SheetContext context(*this, sheet);
  CellValue result = formula::Evaluate(*cell.parsed, context);
  // The cached result lives in the cell, whose value field is otherwise unused for formulas.
  Cell& writable = const_cast<Cell&>(cell);
  writable.value = result;
  writable.computedAt = generation_;
  return result;
}

}  // namespace korvat::host
