// MATCH and INDEX.

#include <cmath>

#include "host/formula/functions.h"
#include "host/formula/value_coercion.h"

namespace korvat::host::formula::functions {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// '*' any run, '?' one character, '~' escapes the next; case is ignored.
bool WildcardMatch(std::string_view pattern, std::string_view text) {
  size_t p = 0, t = 0, starP = std::string_view::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = ++p;
      starT = t;
      continue;
    }
    if (p < pattern.size()) {
      bool escaped = pattern[p] == '~' && p + 1 < pattern.size();
      char pc = escaped ? pattern[p + 1] : pattern[p];
      if ((!escaped && pc == '?') || Lower(pc) == Lower(text[t])) {
        p += escaped ? 2 : 1;
        ++t;
        continue;
      }
    }
    if (starP == std::string_view::npos) return false;
    p = starP;
    t = ++starT;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool HasWildcard(std::string_view s) {
  return s.find_first_of("*?~") != std::string_view::npos;
}

bool SameKind(const CellValue& a, const CellValue& b) { return a.kind == b.kind; }

bool ExactMatch(const CellValue& key, const CellValue& v) {
  if (!SameKind(key, v)) return false;
  if (key.IsText() && HasWildcard(key.text)) return WildcardMatch(key.text, v.text);
  return CompareValues(key, v) == 0;
}

}  // namespace

// MATCH(key, range, [type]): the 1-based position of key in a one-row or
// one-column range. Type 0 finds the first equal value (text without regard to
// case, with wildcards); 1 (the default) the last value <= key in ascending
// data; -1 the last value >= key in descending data. #N/A when nothing matches.
Operand Match(FunctionArgs& a) {
  CellValue key = a.Scalar(0);
  if (key.IsError()) return Operand::Of(key);
  if (key.IsEmpty()) return Operand::Error(CellError::NA);
  Operand where = a.Get(1);
  if (!where.isRange) {
    if (where.value.IsError()) return where;
    return Operand::Error(CellError::NA);
  }
  int type = 1;
  if (!a.Omitted(2)) {
    CellValue t = ToNumber(a.Scalar(2));
    if (t.IsError()) return Operand::Of(t);
    type = t.number > 0 ? 1 : (t.number < 0 ? -1 : 0);
  }
  const CellRange& range = where.range;
  if (range.rows() != 1 && range.columns() != 1) return Operand::Error(CellError::NA);
  bool byColumn = range.columns() == 1;

  int found = 0;
  a.interpreter().ForEachCell(range, [&](const CellValue& v, int row, int col) {
    int position = byColumn ? row - range.row1 + 1 : col - range.col1 + 1;
    if (type == 0) {
      if (ExactMatch(key, v)) found = position;
      return found == 0;
    }
    if (!SameKind(key, v)) return true;  // other kinds are skipped in sorted data
    int c = CompareValues(v, key);
    if (type == 1 ? c <= 0 : c >= 0) {
      found = position;  // the last of equal values wins, as in sorted data
      return true;
    }
    return false;  // passed the place where key would stand
  });
  if (found == 0) return Operand::Error(CellError::NA);
  return Operand::Of(CellValue::Number(found));
}

// INDEX(range, row, [column]): the cell at that place, as a reference. In a
// one-row range a single index counts columns.
Operand Index(FunctionArgs& a) {
  Operand where = a.Get(0);
  if (!where.isRange) {
    if (where.value.IsError()) return where;
    return Operand::Error(CellError::Ref);
  }
  CellValue first = ToNumber(a.Scalar(1));
  if (first.IsError()) return Operand::Of(first);
  CellValue second = a.Omitted(2) ? CellValue::Number(0) : ToNumber(a.Scalar(2));
  if (second.IsError()) return Operand::Of(second);
  CellRange range = where.range;
  double row = std::trunc(first.number), col = std::trunc(second.number);
  if (a.Omitted(2) && range.rows() == 1 && range.columns() > 1) {
    col = row;
    row = 0;
  }
  if (row < 0 || col < 0 || row > range.rows() || col > range.columns())
    return Operand::Error(CellError::Ref);
  if (row > 0) range.row1 = range.row2 = range.row1 + static_cast<int>(row) - 1;
  if (col > 0) range.col1 = range.col2 = range.col1 + static_cast<int>(col) - 1;
  return Operand::Of(std::move(range));
}

}  // namespace korvat::host::formula::functions
