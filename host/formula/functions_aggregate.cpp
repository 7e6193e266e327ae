// SUM, MIN, MAX, AVERAGE, COUNT, COUNTA. Over references they see numbers only
// (empty cells, text and booleans are skipped, errors propagate); values given
// directly count as numbers when they convert, and text that does not is #VALUE!.

#include <algorithm>
#include <optional>

#include "host/formula/functions.h"
#include "host/formula/value_coercion.h"

namespace korvat::host::formula::functions {

namespace {

// Feeds every number the SUM family sees to add; returns the first error met.
std::optional<CellError> CollectNumbers(FunctionArgs& a, const std::function<void(double)>& add) {
  std::optional<CellError> error;
  for (int i = 0; i < a.size() && !error; ++i) {
    Operand arg = a.Get(i);
    if (arg.isRange) {
      a.interpreter().ForEachCell(arg.range, [&](const CellValue& v, int, int) {
        if (v.IsError()) error = v.error;
        else if (v.IsNumber()) add(v.number);
        return !error;
      });
      continue;
    }
    CellValue n = ToNumber(arg.value);
    if (n.IsError()) error = n.error;
    else add(n.number);
  }
  return error;
}

Operand Extreme(FunctionArgs& a, bool wantMax) {
  std::optional<double> best;
  auto error = CollectNumbers(a, [&](double d) {
    if (!best || (wantMax ? d > *best : d < *best)) best = d;
  });
  if (error) return Operand::Error(*error);
  return Operand::Of(CellValue::Number(best.value_or(0.0)));
}

}  // namespace

Operand Sum(FunctionArgs& a) {
  double total = 0.0;
  auto error = CollectNumbers(a, [&](double d) { total += d; });
  if (error) return Operand::Error(*error);
  return Operand::Of(NumberResult(total));
}

Operand Min(FunctionArgs& a) { return Extreme(a, false); }
Operand Max(FunctionArgs& a) { return Extreme(a, true); }

Operand Average(FunctionArgs& a) {
  double total = 0.0;
  int count = 0;
  auto error = CollectNumbers(a, [&](double d) {
    total += d;
    ++count;
  });
  if (error) return Operand::Error(*error);
  if (count == 0) return Operand::Error(CellError::Div0);
  return Operand::Of(NumberResult(total / count));
}

// COUNT never fails: errors and text that is no number are simply not counted.
Operand Count(FunctionArgs& a) {
  int count = 0;
  for (int i = 0; i < a.size(); ++i) {
    if (a.Omitted(i)) continue;
    Operand arg = a.Get(i);
    if (arg.isRange) {
      a.interpreter().ForEachCell(arg.range, [&](const CellValue& v, int, int) {
        if (v.IsNumber()) ++count;
        return true;
      });
    } else if (ToNumber(arg.value).IsNumber() && !arg.value.IsEmpty()) {
      ++count;
    }
  }
  return Operand::Of(CellValue::Number(count));
}

Operand CountA(FunctionArgs& a) {
  int count = 0;
  for (int i = 0; i < a.size(); ++i) {
    if (a.Omitted(i)) continue;
    Operand arg = a.Get(i);
    if (arg.isRange) {
      a.interpreter().ForEachCell(arg.range, [&](const CellValue& v, int, int) {
        if (!v.IsEmpty()) ++count;
        return true;
      });
    } else {
      ++count;
    }
  }
  return Operand::Of(CellValue::Number(count));
}

}  // namespace korvat::host::formula::functions
