#include "host/model/cell_address.h"

#include <algorithm>
#include <cctype>

namespace korvat::host {
namespace {

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads an optional '$' and a run of letters; returns the column or 0.
int ReadColumn(std::string_view& text) {
  if (!text.empty() && text.front() == '$') text.remove_prefix(1);
  size_t n = 0;
  while (n < text.size() && IsLetter(text[n])) ++n;
  int col = ColumnFromLetters(text.substr(0, n));
  if (col != 0) text.remove_prefix(n);
  return col;
}

// Reads an optional '$' and a run of digits; returns the row or 0.
int ReadRow(std::string_view& text) {
  if (!text.empty() && text.front() == '$') text.remove_prefix(1);
  size_t n = 0;
  long long row = 0;
  while (n < text.size() && IsDigit(text[n])) {
    row = row * 10 + (text[n] - '0');
    if (row > kMaxRows) return 0;
    ++n;
  }
  if (n == 0 || row < 1) return 0;
  text.remove_prefix(n);
  return static_cast<int>(row);
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// One side of a range: a cell, a bare column or a bare row.
struct Corner {
  int row = 0;  // 0 when absent
  int col = 0;
};

std::optional<Corner> ParseCorner(std::string_view text) {
  Corner c;
  std::string_view rest = text;
  c.col = ReadColumn(rest);
  if (!rest.empty() || c.col == 0) {
    rest = text;
    if (c.col != 0) ReadColumn(rest);
    c.row = ReadRow(rest);
    if (c.row == 0 || !rest.empty()) return std::nullopt;
  }
  return c;
}

}  // namespace

int ColumnFromLetters(std::string_view letters) {
  if (letters.empty() || letters.size() > 3) return 0;
  int col = 0;
  for (char ch : letters) {
    if (!IsLetter(ch)) return 0;
    col = col * 26 + (std::toupper(static_cast<unsigned char>(ch)) - 'A' + 1);
  }
  return col <= kMaxColumns ? col : 0;
}

std::string ColumnLetters(int col) {
  if (col < 1 || col > kMaxColumns) return {};
  std::string s;
  while (col > 0) {
    int rem = (col - 1) % 26;
    s.insert(s.begin(), static_cast<char>('A' + rem));
    col = (col - 1) / 26;
  }
  return s;
}

std::optional<CellAddress> ParseCellAddress(std::string_view text) {
  text = Trim(text);
  auto corner = ParseCorner(text);
  if (!corner || corner->row == 0 || corner->col == 0) return std::nullopt;
  return CellAddress{corner->row, corner->col};
}

std::optional<RangeRef> ParseRangeRef(std::string_view text) {
  text = Trim(text);
  size_t colon = text.find(':');
  std::string_view a = text.substr(0, colon);
  std::string_view b = colon == std::string_view::npos ? a : text.substr(colon + 1);
  auto ca = ParseCorner(a);
  auto cb = ParseCorner(b);
  if (!ca || !cb) return std::nullopt;
  bool aCell = ca->row && ca->col, bCell = cb->row && cb->col;
  RangeRef r;
  if (aCell && bCell) {
    r = {ca->row, ca->col, cb->row, cb->col};
  } else if (!ca->row && !cb->row && colon != std::string_view::npos) {
    r = {1, ca->col, kMaxRows, cb->col};
  } else if (!ca->col && !cb->col) {
    r = {ca->row, 1, cb->row, kMaxColumns};
  } else {
    return std::nullopt;
  }
  if (r.firstRow > r.lastRow) std::swap(r.firstRow, r.lastRow);
  if (r.firstCol > r.lastCol) std::swap(r.firstCol, r.lastCol);
  return r;
}

std::string FormatCellAddress(int row, int col, bool absolute) {
  const char* d = absolute ? "$" : "";
  return d + ColumnLetters(col) + d + std::to_string(row);
}

std::string FormatRangeRef(const RangeRef& r, bool absolute) {
  const std::string d = absolute ? "$" : "";
  if (r.IsWholeColumns())
    return d + ColumnLetters(r.firstCol) + ":" + d + ColumnLetters(r.lastCol);
  if (r.IsWholeRows()) return d + std::to_string(r.firstRow) + ":" + d + std::to_string(r.lastRow);
  std::string first = FormatCellAddress(r.firstRow, r.firstCol, absolute);
  if (r.firstRow == r.lastRow && r.firstCol == r.lastCol) return first;
  return first + ":" + FormatCellAddress(r.lastRow, r.lastCol, absolute);
}

}  // namespace korvat::host
