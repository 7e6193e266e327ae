// LEN and CONCATENATE.

#include "host/formula/functions.h"
#include "host/formula/value_coercion.h"

namespace korvat::host::formula::functions {

// Characters, not bytes: UTF-8 continuation bytes are not counted.
Operand Len(FunctionArgs& a) {
  CellValue t = ToText(a.Scalar(0));
  if (t.IsError()) return Operand::Of(t);
  int count = 0;
  for (char c : t.text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return Operand::Of(CellValue::Number(count));
}

Operand Concatenate(FunctionArgs& a) {
  std::string out;
  for (int i = 0; i < a.size(); ++i) {
    CellValue t = ToText(a.Scalar(i));
    if (t.IsError()) return Operand::Of(t);
    out += t.text;
  }
  return Operand::Of(CellValue::Text(std::move(out)));
}

}  // namespace korvat::host::formula::functions
