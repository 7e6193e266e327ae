#include "host/formula/reference.h"

namespace korvat::host::formula {

int ColumnFromLetters(std::string_view letters) {
  if (letters.empty() || letters.size() > 3) return 0;
  int column = 0;
  for (char c : letters) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') return 0;
    column = column * 26 + (c - 'A' + 1);
  }
  return column <= kMaxColumn ? column : 0;
}

std::string ColumnLetters(int column) {
  if (column < 1 || column > kMaxColumn) return {};
  std::string letters;
  while (column > 0) {
    int rest = (column - 1) % 26;
    letters.insert(letters.begin(), static_cast<char>('A' + rest));
    column = (column - 1) / 26;
  }
  return letters;
}

namespace {

std::string FormatColumn(const Coordinate& c) {
  return (c.absolute ? "$" : "") + ColumnLetters(c.value);
}

std::string FormatRow(const Coordinate& r) {
  return (r.absolute ? "$" : "") + std::to_string(r.value);
}

}  // namespace

std::string FormatRefSpan(const RefSpan& span) {
  switch (span.shape) {
    case RefShape::Cell: return FormatColumn(span.col1) + FormatRow(span.row1);
    case RefShape::Columns: return FormatColumn(span.col1) + ":" + FormatColumn(span.col2);
    case RefShape::Rows: return FormatRow(span.row1) + ":" + FormatRow(span.row2);
  }
  return {};
}

}  // namespace korvat::host::formula
