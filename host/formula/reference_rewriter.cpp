// RemapRows and ShiftRelative: rewrite the references of formula text and copy
// everything else (names, texts, spacing) as it stands.

#include <algorithm>
#include <optional>

#include "host/formula/formula.h"
#include "host/formula/lexer.h"
#include "host/formula/reference.h"

namespace korvat::host::formula {

namespace {

// One reference as written: an optional sheet qualifier, a span, and for a cell
// range the second cell with its own optional qualifier.
struct ReferenceUnit {
  size_t begin = 0, end = 0;  // offsets into the expression text
  std::string sheet;          // unquoted; empty when unqualified
  std::string prefixText;     // the qualifier as written, "" when none
  RefSpan first;
  std::optional<RefSpan> second;
  std::string secondPrefixText;
};

// Changes the unit's spans; false turns the reference into #REF!.
using UnitRewrite = std::function<bool(ReferenceUnit&)>;

bool IsRangeColon(const Token& t) { return t.kind == TokenKind::Operator && t.text == ":"; }

// Reads a reference unit starting at tokens[i]; advances i past it on success.
bool ReadUnit(const std::vector<Token>& tokens, std::string_view expr, size_t& i,
              ReferenceUnit& unit) {
  size_t j = i;
  if (tokens[j].kind == TokenKind::SheetPrefix) {
    unit.sheet = tokens[j].text;
    unit.prefixText = std::string(expr.substr(tokens[j].begin, tokens[j].end - tokens[j].begin));
    ++j;
  }
  if (tokens[j].kind != TokenKind::Reference) return false;
  unit.begin = tokens[i].begin;
  unit.first = tokens[j].span;
  unit.end = tokens[j].end;
  ++j;
  if (unit.first.shape == RefShape::Cell && IsRangeColon(tokens[j])) {
    size_t k = j + 1;
    std::string secondPrefix;
    if (tokens[k].kind == TokenKind::SheetPrefix) {
      secondPrefix = std::string(expr.substr(tokens[k].begin, tokens[k].end - tokens[k].begin));
      ++k;
    }
    if (tokens[k].kind == TokenKind::Reference && tokens[k].span.shape == RefShape::Cell) {
      unit.second = tokens[k].span;
      unit.secondPrefixText = secondPrefix;
      unit.end = tokens[k].end;
      j = k + 1;
    }
  }
  i = j;
  return true;
}

std::string FormatUnit(const ReferenceUnit& unit) {
  std::string out = unit.prefixText + FormatRefSpan(unit.first);
  if (unit.second) out += ":" + unit.secondPrefixText + FormatRefSpan(*unit.second);
  return out;
}

std::string Rewrite(std::string_view formulaText, const UnitRewrite& rewrite,
                    const std::function<bool(std::string_view)>& affectsSheet) {
  std::string_view expr = formulaText;
  std::string out;
  if (!expr.empty() && expr.front() == '=') {
    out = "=";
    expr.remove_prefix(1);
  }
  LexResult lexed = Lex(expr);
  if (!lexed.error.empty()) return std::string(formulaText);
  const std::vector<Token>& tokens = lexed.tokens;
  size_t copied = 0;
  for (size_t i = 0; i < tokens.size() && tokens[i].kind != TokenKind::End;) {
    ReferenceUnit unit;
    size_t start = i;
    if (!ReadUnit(tokens, expr, i, unit)) {
      i = start + 1;
      continue;
    }
    if (affectsSheet && !affectsSheet(unit.sheet)) continue;
    out.append(expr.substr(copied, unit.begin - copied));
    out += rewrite(unit) ? FormatUnit(unit) : unit.prefixText + "#REF!";
    copied = unit.end;
  }
  out.append(expr.substr(copied));
  return out;
}

bool InGrid(int row) { return row >= 1 && row <= kMaxRow; }

// A row span after the move: rows that are gone narrow it from their end, as the
// host shrinks a range when some of its rows are deleted. False when none remain.
bool RemapRowSpan(Coordinate& a, Coordinate& b, const std::function<int(int)>& mapRow) {
  bool ascending = a.value <= b.value;
  Coordinate& top = ascending ? a : b;
  Coordinate& bottom = ascending ? b : a;
  std::optional<int> newTop, newBottom;
  int firstKept = 0;
  for (int r = top.value; r <= bottom.value; ++r) {
    int m = mapRow(r);
    if (InGrid(m)) {
      newTop = m;
      firstKept = r;
      break;
    }
  }
  if (!newTop) return false;
  for (int r = bottom.value; r >= firstKept; --r) {
    int m = mapRow(r);
    if (InGrid(m)) {
      newBottom = m;
      break;
    }
  }
  top.value = std::min(*newTop, *newBottom);
  bottom.value = std::max(*newTop, *newBottom);
  return true;
}

bool RemapUnitRows(ReferenceUnit& unit, const std::function<int(int)>& mapRow) {
  switch (unit.first.shape) {
    case RefShape::Columns: return true;
    case RefShape::Rows: return RemapRowSpan(unit.first.row1, unit.first.row2, mapRow);
    case RefShape::Cell:
      if (unit.second) return RemapRowSpan(unit.first.row1, unit.second->row1, mapRow);
      unit.first.row1.value = mapRow(unit.first.row1.value);
      return InGrid(unit.first.row1.value);
  }
  return false;
}

bool ShiftCoordinate(Coordinate& c, int delta, int limit) {
  if (c.absolute) return true;
  c.value += delta;
  return c.value >= 1 && c.value <= limit;
}

bool ShiftSpan(RefSpan& s, int rowDelta, int colDelta) {
  switch (s.shape) {
    case RefShape::Cell:
      return ShiftCoordinate(s.row1, rowDelta, kMaxRow) &&
             ShiftCoordinate(s.col1, colDelta, kMaxColumn);
    case RefShape::Columns:
      return ShiftCoordinate(s.col1, colDelta, kMaxColumn) &&
             ShiftCoordinate(s.col2, colDelta, kMaxColumn);
    case RefShape::Rows:
      return ShiftCoordinate(s.row1, rowDelta, kMaxRow) &&
             ShiftCoordinate(s.row2, rowDelta, kMaxRow);
  }
  return false;
}

}  // namespace

std::string RemapRows(std::string_view formulaText, const std::function<int(int)>& mapRow) {
  return RemapRows(formulaText, mapRow, nullptr);
}

std::string RemapRows(std::string_view formulaText, const std::function<int(int)>& mapRow,
                      const std::function<bool(std::string_view sheet)>& affectsSheet) {
  if (!mapRow) return std::string(formulaText);
  return Rewrite(
      formulaText, [&](ReferenceUnit& unit) { return RemapUnitRows(unit, mapRow); }, affectsSheet);
}

std::string ShiftRelative(std::string_view formulaText, int rowDelta, int colDelta) {
  return Rewrite(
      formulaText,
      [&](ReferenceUnit& unit) {
        bool ok = ShiftSpan(unit.first, rowDelta, colDelta);
        if (unit.second) ok = ShiftSpan(*unit.second, rowDelta, colDelta) && ok;
        return ok;
      },
      nullptr);
}

}  // namespace korvat::host::formula
