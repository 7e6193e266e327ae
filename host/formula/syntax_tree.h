#pragma once
// The parsed form of a formula: a tree of nodes the interpreter walks.

#include <memory>
#include <string>
#include <vector>

#include "host/formula/formula.h"
#include "host/formula/reference.h"
#include "host/values/cell_value.h"

namespace korvat::host::formula {

struct FunctionEntry;

namespace detail {

enum class NodeKind {
  Literal,    // value (number, text, boolean or error)
  Missing,    // an omitted argument: IF(A1,,2)
  Reference,  // span on sheet (empty = the formula's own sheet)
  Name,       // a defined name: text, optionally qualified by sheet
  Call,       // function (null when unknown) named text, with children as arguments
  Unary,      // op '+' or '-' applied to children[0]
  Percent,    // children[0] / 100
  Binary,     // op applied to children[0] and children[1]
};

enum class BinaryOp { Add, Subtract, Multiply, Divide, Power, Concat, Equal, NotEqual, Less,
                      LessEqual, Greater, GreaterEqual, Range };

struct Node {
  NodeKind kind = NodeKind::Literal;
  CellValue value;
  RefSpan span;
  std::string sheet;
  std::string text;
  const FunctionEntry* function = nullptr;
  char unaryOp = '+';
  BinaryOp op = BinaryOp::Add;
  std::vector<std::unique_ptr<Node>> children;
};

}  // namespace detail
}  // namespace korvat::host::formula
