#include "host_formula/fake_workbook.h"

#include <algorithm>

namespace korvat::host::formula::testing {

namespace {

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace

FakeWorkbook::FakeWorkbook(std::string defaultSheet)
    : defaultSheet_(Upper(defaultSheet)), sheetStack_{defaultSheet_} {}

std::string FakeWorkbook::SheetKey(std::string_view sheet) const {
  return sheet.empty() ? sheetStack_.back() : Upper(sheet);
}

void FakeWorkbook::SetValue(const std::string& sheet, int row, int col, CellValue v) {
  cells_[{SheetKey(sheet), row, col}] = Cell{std::move(v), {}};
}

void FakeWorkbook::SetFormula(const std::string& sheet, int row, int col, const std::string& text) {
  cells_[{SheetKey(sheet), row, col}] = Cell{CellValue::Empty(), text};
}

void FakeWorkbook::SetName(const std::string& name, const std::string& reference) {
  names_[Upper(name)] = reference;
}

CellValue FakeWorkbook::EvaluateOnDefaultSheet(const std::string& text) {
  return Evaluate(*ParseFormula(text), *this);
}

CellValue FakeWorkbook::CellValueAt(std::string_view sheet, int row, int col) {
  ++cellReads_;
  Key key{SheetKey(sheet), row, col};
  auto it = cells_.find(key);
  if (it == cells_.end()) return CellValue::Empty();
  if (it->second.formula.empty()) return it->second.value;
  if (!evaluating_.insert(key).second) return CellValue::Error(CellError::Value);
  sheetStack_.push_back(std::get<0>(key));
  CellValue v = Evaluate(*ParseFormula(it->second.formula), *this);
  sheetStack_.pop_back();
  evaluating_.erase(key);
  return v;
}

int FakeWorkbook::LastUsedRow(std::string_view sheet) {
  std::string s = SheetKey(sheet);
  int last = 0;
  for (const auto& [key, cell] : cells_)
    if (std::get<0>(key) == s) last = std::max(last, std::get<1>(key));
  return last;
}

int FakeWorkbook::LastUsedColumn(std::string_view sheet) {
  std::string s = SheetKey(sheet);
  int last = 0;
  for (const auto& [key, cell] : cells_)
    if (std::get<0>(key) == s) last = std::max(last, std::get<2>(key));
  return last;
}

std::string FakeWorkbook::ResolveName(std::string_view name) {
  auto it = names_.find(Upper(name));
  return it == names_.end() ? std::string() : it->second;
}

}  // namespace korvat::host::formula::testing
