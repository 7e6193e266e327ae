#pragma once
// Recursive-descent parser over the lexer's tokens, one function per precedence
// level of the host: comparison < & < + - < * / < ^ < % < unary - < ':'.

#include <memory>
#include <string>
#include <string_view>

#include "host/formula/syntax_tree.h"

namespace korvat::host::formula {

struct ParseResult {
  std::unique_ptr<detail::Node> root;  // set when error is empty
  std::string error;
  CellError errorValue = CellError::Name;  // what the broken formula evaluates to
};

// Parses an expression (no leading '=').
ParseResult ParseExpression(std::string_view text);

}  // namespace korvat::host::formula
