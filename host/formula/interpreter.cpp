#include "host/formula/interpreter.h"

#include <algorithm>
#include <cmath>

#include "host/formula/function_table.h"
#include "host/formula/parser.h"
#include "host/formula/value_coercion.h"

namespace korvat::host::formula {

using detail::BinaryOp;
using detail::Node;
using detail::NodeKind;

namespace {

// Names may refer to names; deeper chains are taken to be circular.
constexpr int kMaxNameDepth = 16;

bool SameSheet(const std::string& a, const std::string& b) {
  return CompareTextIgnoreCase(a, b) == 0;
}

bool IsComparison(BinaryOp op) {
  return op == BinaryOp::Equal || op == BinaryOp::NotEqual || op == BinaryOp::Less ||
         op == BinaryOp::LessEqual || op == BinaryOp::Greater || op == BinaryOp::GreaterEqual;
}

}  // namespace

Operand Interpreter::Eval(const Node& node) {
  switch (node.kind) {
    case NodeKind::Literal: return Operand::Of(node.value);
    case NodeKind::Missing: return Operand::Of(CellValue::Empty());
    case NodeKind::Reference: return EvalReference(node);
    case NodeKind::Name: return EvalName(node);
    case NodeKind::Call: return EvalCall(node);
    case NodeKind::Unary: return Operand::Of(EvalUnary(node));
    case NodeKind::Percent: return Operand::Of(EvalPercent(node));
    case NodeKind::Binary: return EvalBinary(node);
  }
  return Operand::Error(CellError::Value);
}

CellValue Interpreter::EvalScalar(const Node& node) { return Deref(Eval(node)); }

CellValue Interpreter::Deref(const Operand& operand) {
  if (!operand.isRange) return operand.value;
  if (!operand.range.IsSingleCell()) return CellValue::Error(CellError::Value);
  return ctx_.CellValueAt(operand.range.sheet, operand.range.row1, operand.range.col1);
}

void Interpreter::ForEachCell(const CellRange& range,
                              const std::function<bool(const CellValue&, int, int)>& visit) {
  int lastRow = range.row2, lastCol = range.col2;
  if (!range.IsSingleCell()) {
    lastRow = std::min(lastRow, ctx_.LastUsedRow(range.sheet));
    lastCol = std::min(lastCol, ctx_.LastUsedColumn(range.sheet));
  }
  for (int r = range.row1; r <= lastRow; ++r)
    for (int c = range.col1; c <= lastCol; ++c)
      if (!visit(ctx_.CellValueAt(range.sheet, r, c), r, c)) return;
}

Operand Interpreter::EvalReference(const Node& node) {
  CellRange range;
  range.sheet = node.sheet;
  const RefSpan& s = node.span;
  switch (s.shape) {
    case RefShape::Cell:
      range.row1 = range.row2 = s.row1.value;
      range.col1 = range.col2 = s.col1.value;
      break;
    case RefShape::Columns:
      range.row1 = 1;
      range.row2 = kMaxRow;
      range.col1 = std::min(s.col1.value, s.col2.value);
      range.col2 = std::max(s.col1.value, s.col2.value);
      break;
    case RefShape::Rows:
      range.col1 = 1;
      range.col2 = kMaxColumn;
      range.row1 = std::min(s.row1.value, s.row2.value);
      range.row2 = std::max(s.row1.value, s.row2.value);
      break;
  }
  return Operand::Of(std::move(range));
}

Operand Interpreter::EvalName(const Node& node) {
  if (nameDepth_ >= kMaxNameDepth) return Operand::Error(CellError::Name);
  std::string key = node.sheet.empty() ? node.text : node.sheet + "!" + node.text;
  std::string target = ctx_.ResolveName(key);
  if (target.empty()) return Operand::Error(CellError::Name);
  std::string_view body = target;
  if (!body.empty() && body.front() == '=') body.remove_prefix(1);
  ParseResult parsed = ParseExpression(body);
  if (!parsed.error.empty()) return Operand::Error(CellError::Name);
  Interpreter inner(ctx_, nameDepth_ + 1);
  return inner.Eval(*parsed.root);
}

Operand Interpreter::EvalCall(const Node& node) {
  if (!node.function) return Operand::Error(CellError::Name);
  FunctionArgs args(*this, node.children);
  return node.function->call(args);
}

CellValue Interpreter::EvalUnary(const Node& node) {
  CellValue v = EvalScalar(*node.children[0]);
  if (node.unaryOp == '+') return v;  // the host leaves the operand as it is
  CellValue n = ToNumber(v);
  if (n.IsError()) return n;
  return CellValue::Number(-n.number);
}

CellValue Interpreter::EvalPercent(const Node& node) {
  CellValue n = ToNumber(EvalScalar(*node.children[0]));
  if (n.IsError()) return n;
  return CellValue::Number(n.number / 100.0);
}

Operand Interpreter::EvalBinary(const Node& node) {
  if (node.op == BinaryOp::Range) return EvalRange(node);
  CellValue l = EvalScalar(*node.children[0]);
  CellValue r = EvalScalar(*node.children[1]);
  if (l.IsError()) return Operand::Of(l);
  if (r.IsError()) return Operand::Of(r);
  if (IsComparison(node.op)) return Operand::Of(Comparison(node.op, l, r));
  if (node.op == BinaryOp::Concat) {
    CellValue lt = ToText(l), rt = ToText(r);
    return Operand::Of(CellValue::Text(lt.text + rt.text));
  }
  return Operand::Of(Arithmetic(node.op, l, r));
}

Operand Interpreter::EvalRange(const Node& node) {
  Operand l = Eval(*node.children[0]);
  Operand r = Eval(*node.children[1]);
  if (!l.isRange && l.value.IsError()) return l;
  if (!r.isRange && r.value.IsError()) return r;
  if (!l.isRange || !r.isRange || !SameSheet(l.range.sheet, r.range.sheet))
    return Operand::Error(CellError::Value);
  CellRange box;
  box.sheet = l.range.sheet;
  box.row1 = std::min(l.range.row1, r.range.row1);
  box.col1 = std::min(l.range.col1, r.range.col1);
  box.row2 = std::max(l.range.row2, r.range.row2);
  box.col2 = std::max(l.range.col2, r.range.col2);
  return Operand::Of(std::move(box));
}

CellValue Interpreter::Arithmetic(BinaryOp op, const CellValue& l, const CellValue& r) {
  CellValue a = ToNumber(l);
  if (a.IsError()) return a;
  CellValue b = ToNumber(r);
  if (b.IsError()) return b;
  switch (op) {
    case BinaryOp::Add: return NumberResult(a.number + b.number);
    case BinaryOp::Subtract: return NumberResult(a.number - b.number);
    case BinaryOp::Multiply: return NumberResult(a.number * b.number);
    case BinaryOp::Divide:
      if (b.number == 0.0) return CellValue::Error(CellError::Div0);
      return NumberResult(a.number / b.number);
    case BinaryOp::Power:
      if (a.number == 0.0 && b.number == 0.0) return CellValue::Error(CellError::Num);
      if (a.number == 0.0 && b.number < 0.0) return CellValue::Error(CellError::Div0);
      return NumberResult(std::pow(a.number, b.number));
    default: return CellValue::Error(CellError::Value);
  }
}

CellValue Interpreter::Comparison(BinaryOp op, const CellValue& l, const CellValue& r) {
  int c = CompareValues(l, r);
  switch (op) {
    case BinaryOp::Equal: return CellValue::Boolean(c == 0);
    case BinaryOp::NotEqual: return CellValue::Boolean(c != 0);
    case BinaryOp::Less: return CellValue::Boolean(c < 0);
    case BinaryOp::LessEqual: return CellValue::Boolean(c <= 0);
    case BinaryOp::Greater: return CellValue::Boolean(c > 0);
    case BinaryOp::GreaterEqual: return CellValue::Boolean(c >= 0);
    default: return CellValue::Error(CellError::Value);
  }
}

bool FunctionArgs::Omitted(int i) const {
  return i >= size() || nodes_[static_cast<size_t>(i)]->kind == NodeKind::Missing;
}

Operand FunctionArgs::Get(int i) {
  if (i >= size()) return Operand::Of(CellValue::Empty());
  return in_.Eval(*nodes_[static_cast<size_t>(i)]);
}

CellValue FunctionArgs::Scalar(int i) { return in_.Deref(Get(i)); }

}  // namespace korvat::host::formula
