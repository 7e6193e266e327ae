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

bool NeedsQuotes(std::string_view sheet) {
  if (sheet.empty()) return true;
  if (sheet.front() >= '0' && sheet.front() <= '9') return true;
  for (char c : sheet) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '_' || c == '.' || static_cast<unsigned char>(c) >= 0x80;
    if (!plain) return true;
  }
  // A name that reads as a cell address ("AB1") must be quoted to stay a sheet name.
  size_t letters = 0;
  while (letters < sheet.size() && ((sheet[letters] >= 'A' && sheet[letters] <= 'Z') ||
                                    (sheet[letters] >= 'a' && sheet[letters] <= 'z')))
    ++letters;
  if (letters > 0 && letters < sheet.size() && ColumnFromLetters(sheet.substr(0, letters)) != 0) {
    bool digitsOnly = true;
    for (size_t i = letters; i < sheet.size(); ++i)
      if (sheet[i] < '0' || sheet[i] > '9') digitsOnly = false;
    if (digitsOnly) return true;
  }
  return false;
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

std::string FormatSheetQualifier(std::string_view sheet) {
  if (!NeedsQuotes(sheet)) return std::string(sheet) + "!";
  std::string out = "'";
  for (char c : sheet) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'!";
}

}  // namespace korvat::host::formula
