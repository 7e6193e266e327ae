// ABS, ROUND, ROUNDUP, ROUNDDOWN, INT, MOD.

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/formula/functions.h"
#include "host/formula/value_coercion.h"

namespace korvat::host::formula::functions {

namespace {

// The value held to 15 significant digits, so that 1.005*100 counts as 100.5
// the way the host sees it, not as 100.49999999999999.
double ToSignificantDigits(double x) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", x);
  return std::strtod(buffer, nullptr);
}

enum class RoundMode { Nearest, Up, Down };

Operand RoundTo(FunctionArgs& a, RoundMode mode) {
  CellValue x = ToNumber(a.Scalar(0));
  if (x.IsError()) return Operand::Of(x);
  CellValue d = ToNumber(a.Scalar(1));
  if (d.IsError()) return Operand::Of(d);
  // Digits beyond 15 either way change nothing more, however many are asked for.
  const double wanted = std::trunc(d.number);
  if (std::isnan(wanted)) return Operand::Error(CellError::Num);
  const int digits = wanted > 15 ? 15 : wanted < -15 ? -15 : static_cast<int>(wanted);
  double scale = std::pow(10.0, std::abs(digits));
  double scaled = ToSignificantDigits(digits >= 0 ? x.number * scale : x.number / scale);
  double rounded = 0.0;
  switch (mode) {
    case RoundMode::Nearest: rounded = std::round(scaled); break;  // halves away from zero
    case RoundMode::Up: rounded = scaled < 0 ? std::floor(scaled) : std::ceil(scaled); break;
    case RoundMode::Down: rounded = std::trunc(scaled); break;
  }
  return Operand::Of(NumberResult(digits >= 0 ? rounded / scale : rounded * scale));
}

}  // namespace

Operand Abs(FunctionArgs& a) {
  CellValue x = ToNumber(a.Scalar(0));
  if (x.IsError()) return Operand::Of(x);
  return Operand::Of(CellValue::Number(std::fabs(x.number)));
}

Operand Round(FunctionArgs& a) { return RoundTo(a, RoundMode::Nearest); }
Operand RoundUp(FunctionArgs& a) { return RoundTo(a, RoundMode::Up); }
Operand RoundDown(FunctionArgs& a) { return RoundTo(a, RoundMode::Down); }

Operand Int(FunctionArgs& a) {
  CellValue x = ToNumber(a.Scalar(0));
  if (x.IsError()) return Operand::Of(x);
  return Operand::Of(CellValue::Number(std::floor(x.number)));
}

// The remainder takes the divisor's sign, as in the host: MOD(-3,2) is 1.
Operand Mod(FunctionArgs& a) {
  CellValue x = ToNumber(a.Scalar(0));
  if (x.IsError()) return Operand::Of(x);
  CellValue y = ToNumber(a.Scalar(1));
  if (y.IsError()) return Operand::Of(y);
  if (y.number == 0.0) return Operand::Error(CellError::Div0);
  return Operand::Of(NumberResult(x.number - y.number * std::floor(x.number / y.number)));
}

}  // namespace korvat::host::formula::functions
