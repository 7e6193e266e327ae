// IF, IFERROR, AND, OR, NOT, N and the IS... tests.

#include <optional>

#include "host/formula/functions.h"
#include "host/formula/value_coercion.h"

namespace korvat::host::formula::functions {

namespace {

Operand Bool(bool b) { return Operand::Of(CellValue::Boolean(b)); }

// Folds the logical values of the arguments; references contribute their
// booleans and numbers only. No logical value at all is #VALUE!.
Operand FoldLogical(FunctionArgs& a, bool isAnd) {
  std::optional<bool> result;
  std::optional<CellError> error;
  auto take = [&](bool b) { result = isAnd ? (result.value_or(true) && b) : (result.value_or(false) || b); };
  for (int i = 0; i < a.size() && !error; ++i) {
    Operand arg = a.Get(i);
    if (arg.isRange) {
      a.interpreter().ForEachCell(arg.range, [&](const CellValue& v, int, int) {
        if (v.IsError()) error = v.error;
        else if (v.IsNumber() || v.IsBoolean()) take(v.number != 0.0);
        return !error;
      });
      continue;
    }
    CellValue b = ToBoolean(arg.value);
    if (b.IsError()) error = b.error;
    else take(b.AsBool());
  }
  if (error) return Operand::Error(*error);
  if (!result) return Operand::Error(CellError::Value);
  return Bool(*result);
}

}  // namespace

Operand If(FunctionArgs& a) {
  CellValue condition = ToBoolean(a.Scalar(0));
  if (condition.IsError()) return Operand::Of(condition);
  if (condition.AsBool()) return a.Get(1);
  if (a.size() < 3) return Bool(false);
  return a.Get(2);
}

Operand IfError(FunctionArgs& a) {
  Operand value = a.Get(0);
  if (a.interpreter().Deref(value).IsError()) return a.Get(1);
  return value;
}

Operand And(FunctionArgs& a) { return FoldLogical(a, true); }
Operand Or(FunctionArgs& a) { return FoldLogical(a, false); }

Operand Not(FunctionArgs& a) {
  CellValue b = ToBoolean(a.Scalar(0));
  if (b.IsError()) return Operand::Of(b);
  return Bool(!b.AsBool());
}

Operand True(FunctionArgs&) { return Bool(true); }
Operand False(FunctionArgs&) { return Bool(false); }

// N of a range looks at its first cell, as the host does.
Operand N(FunctionArgs& a) {
  Operand arg = a.Get(0);
  CellValue v = arg.isRange ? a.interpreter().context().CellValueAt(arg.range.sheet, arg.range.row1,
                                                                    arg.range.col1)
                            : arg.value;
  switch (v.kind) {
    case CellValue::Kind::Number:
    case CellValue::Kind::Boolean: return Operand::Of(CellValue::Number(v.number));
    case CellValue::Kind::Error: return Operand::Of(v);
    default: return Operand::Of(CellValue::Number(0));
  }
}

Operand IsError(FunctionArgs& a) { return Bool(a.Scalar(0).IsError()); }

Operand IsNA(FunctionArgs& a) {
  CellValue v = a.Scalar(0);
  return Bool(v.IsError() && v.error == CellError::NA);
}

// Only a reference to an empty cell is blank; the text "" is not.
Operand IsBlank(FunctionArgs& a) {
  Operand arg = a.Get(0);
  return Bool(arg.isRange && a.interpreter().Deref(arg).IsEmpty());
}

Operand IsNumber(FunctionArgs& a) { return Bool(a.Scalar(0).IsNumber()); }
Operand IsText(FunctionArgs& a) { return Bool(a.Scalar(0).IsText()); }
Operand IsLogical(FunctionArgs& a) { return Bool(a.Scalar(0).IsBoolean()); }

}  // namespace korvat::host::formula::functions
