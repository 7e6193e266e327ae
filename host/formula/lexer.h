#pragma once
// Splits formula text into tokens. Each token keeps its place in the text so that
// reference rewriting can copy everything else verbatim.

#include <string>
#include <string_view>
#include <vector>

#include "host/formula/reference.h"
#include "host/values/cell_value.h"

namespace korvat::host::formula {

enum class TokenKind {
  Number,       // number
  Text,         // text (quotes removed, doubled quotes undone)
  Error,        // error literal such as #REF!
  Reference,    // span
  SheetPrefix,  // text = sheet name unquoted; the '!' is part of the token
  Identifier,   // text; a function name when followed directly by '('
  Operator,     // text: + - * / ^ & % = <> < <= > >= :
  LeftParen,
  RightParen,
  Comma,
  End,
};

struct Token {
  TokenKind kind = TokenKind::End;
  size_t begin = 0;  // offsets into the lexed text
  size_t end = 0;
  std::string text;
  double number = 0.0;
  CellError error = CellError::Value;
  RefSpan span;
};

struct LexResult {
  std::vector<Token> tokens;  // always ends with an End token when error is empty
  std::string error;          // empty when the whole text lexed
};

LexResult Lex(std::string_view text);

// Reads an error literal's text ("#N/A"), ignoring case; false when it is none.
bool ErrorFromText(std::string_view text, CellError& out);
const char* ErrorText(CellError e);

}  // namespace korvat::host::formula
