#pragma once
// The text a cell shows (Range.Text): its value formatted by its number format.
// Covered: General, fixed decimals ("0", "0.00", "#,##0.00"), percentages, text ("@")
// and dates and times built from y, m, d, h, s; any other format shows as General.

#include <string>
#include <string_view>

#include "host/model/cell_value.h"

namespace korvat::host::automation {

std::string DisplayText(const CellValue& value, std::string_view numberFormat);
// A number as General shows it: up to 11 significant characters.
std::string GeneralNumberText(double number);
// A number as the formula bar shows a constant: up to 15 significant digits.
std::string PlainNumberText(double number);

}  // namespace korvat::host::automation
