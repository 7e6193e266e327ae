#pragma once
// Cell values written and read as test text: 12, "text", TRUE, FALSE, #N/A, empty.

#include <string>

#include "host/values/cell_value.h"

namespace korvat::host::formula::testing {

bool ValueFromText(const std::string& text, CellValue& out);
std::string ValueToText(const CellValue& v);
// Equal values; numbers equal to 12 significant digits.
bool SameValue(const CellValue& a, const CellValue& b);

}  // namespace korvat::host::formula::testing
