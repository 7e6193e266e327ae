// The formula engine on any text: the lexer's tokens stay inside the text and end
// with End, the parser gives a tree or an error, evaluation against a small fixed
// sheet gives a cell value, and rewriting with no shift changes no token.

#include "host/formula/formula.h"
#include "host/formula/lexer.h"
#include "host/formula/parser.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace korvat::host;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool SameCoordinate(const formula::Coordinate& a, const formula::Coordinate& b) {
  return a.value == b.value && a.absolute == b.absolute;
}

// The same tokens in the same order, references to the same cells.
bool SameTokens(const formula::LexResult& a, const formula::LexResult& b) {
  if (!b.error.empty() || a.tokens.size() != b.tokens.size()) return false;
  for (std::size_t i = 0; i < a.tokens.size(); ++i) {
    const formula::Token& x = a.tokens[i];
    const formula::Token& y = b.tokens[i];
    if (x.kind != y.kind) return false;
    if (x.kind == formula::TokenKind::Reference &&
        (x.span.shape != y.span.shape || !SameCoordinate(x.span.row1, y.span.row1) ||
         !SameCoordinate(x.span.col1, y.span.col1) || !SameCoordinate(x.span.row2, y.span.row2) ||
         !SameCoordinate(x.span.col2, y.span.col2)))
      return false;
  }
  return true;
}

// Thirty rows by eight columns of mixed values; a few names, one of them naming itself.
class SmallSheet : public formula::EvalContext {
 public:
  CellValue CellValueAt(std::string_view sheet, int row, int col) override {
    if (!sheet.empty() && sheet != "Sheet2") return CellValue::Error(CellError::Ref);
    switch ((row + col) % 6) {
      case 0: return CellValue::Number(row * 1.5 - col);
      case 1: return CellValue::Text(row % 2 ? "x" : "12");
      case 2: return CellValue::Boolean(row % 3 == 0);
      case 3: return CellValue::Error(CellError::Div0);
      case 4: return CellValue::Number(-1e308);
      default: return CellValue::Empty();
    }
  }
  int LastUsedRow(std::string_view) override { return 30; }
  int LastUsedColumn(std::string_view) override { return 8; }
  std::string ResolveName(std::string_view name) override {
    if (name == "Block") return "$A$1:$B$4";
    if (name == "Other") return "Sheet2!$B$3";
    if (name == "Loop") return "Loop";
    if (name == "Broken") return "$A$1:";
    return {};
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const formula::LexResult lexed = formula::Lex(text);
  if (lexed.error.empty()) {
    Require(!lexed.tokens.empty() && lexed.tokens.back().kind == formula::TokenKind::End);
    std::size_t previous = 0;
    for (const formula::Token& token : lexed.tokens) {
      Require(token.begin <= token.end && token.end <= text.size());
      Require(token.begin >= previous);
      previous = token.begin;
    }
  }

  const formula::ParseResult parsed = formula::ParseExpression(text);
  Require((parsed.root != nullptr) == parsed.error.empty());

  const auto compiled = formula::ParseFormula(text);
  Require(compiled != nullptr);
  SmallSheet sheet;
  const CellValue value = formula::Evaluate(*compiled, sheet);
  if (!compiled->ok()) Require(value.IsError());

  // No shift changes no token: references may only be written anew ("a01" as "A1"),
  // and writing them anew once is enough.
  const std::string unshifted = formula::ShiftRelative(text, 0, 0);
  if (lexed.error.empty()) Require(SameTokens(lexed, formula::Lex(unshifted)));
  Require(formula::ShiftRelative(unshifted, 0, 0) == unshifted);
  Require(formula::RemapRows(text, [](int row) { return row; }) == unshifted);
  formula::ShiftRelative(text, 3, -2);
  formula::RemapRows(text, [](int row) { return row > 4 ? row - 1 : row == 4 ? 0 : row; });
  return 0;
}
