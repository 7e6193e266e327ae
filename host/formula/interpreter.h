#pragma once
// Walks a parsed formula and computes its value against an EvalContext.

#include <functional>
#include <memory>
#include <vector>

#include "host/formula/formula.h"
#include "host/formula/operand.h"
#include "host/formula/syntax_tree.h"

namespace korvat::host::formula {

class Interpreter {
 public:
  // nameDepth counts defined names being resolved, to stop names defined by each other.
  explicit Interpreter(EvalContext& ctx, int nameDepth = 0) : ctx_(ctx), nameDepth_(nameDepth) {}

  Operand Eval(const detail::Node& node);
  // The node's single value: a one-cell range gives the cell's value (Empty stays
  // Empty), a larger range #VALUE!.
  CellValue EvalScalar(const detail::Node& node);
  CellValue Deref(const Operand& operand);

  // Visits the cells of the range in row order, stopping early when visit returns
  // false. Rows and columns beyond the sheet's used area are empty and skipped.
  void ForEachCell(const CellRange& range,
                   const std::function<bool(const CellValue&, int row, int col)>& visit);

  EvalContext& context() { return ctx_; }

 private:
  Operand EvalReference(const detail::Node& node);
  Operand EvalName(const detail::Node& node);
  Operand EvalCall(const detail::Node& node);
  CellValue EvalUnary(const detail::Node& node);
  CellValue EvalPercent(const detail::Node& node);
  Operand EvalBinary(const detail::Node& node);
  Operand EvalRange(const detail::Node& node);
  CellValue Arithmetic(detail::BinaryOp op, const CellValue& l, const CellValue& r);
  CellValue Comparison(detail::BinaryOp op, const CellValue& l, const CellValue& r);

  EvalContext& ctx_;
  int nameDepth_;
};

// The arguments of one function call, evaluated on demand so that IF and
// IFERROR evaluate only the branch they return.
class FunctionArgs {
 public:
  FunctionArgs(Interpreter& in, const std::vector<std::unique_ptr<detail::Node>>& nodes)
      : in_(in), nodes_(nodes) {}

  int size() const { return static_cast<int>(nodes_.size()); }
  // True for an argument left out (IF(A1,,2)) or beyond those given.
  bool Omitted(int i) const;
  Operand Get(int i);
  CellValue Scalar(int i);
  Interpreter& interpreter() { return in_; }

 private:
  Interpreter& in_;
  const std::vector<std::unique_ptr<detail::Node>>& nodes_;
};

}  // namespace korvat::host::formula
