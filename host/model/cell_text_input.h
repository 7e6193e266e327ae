#pragma once
// How the host turns text typed or written into a cell into the cell's content.

#include <optional>
#include <string>
#include <string_view>

#include "host/values/cell_value.h"

namespace korvat::host {

struct CellInput {
  CellValue value;      // when not a formula
  std::string formula;  // "=..." when the text is a formula
  bool IsFormula() const { return !formula.empty(); }
};

// The rules of a Value write: "'" keeps the rest as text; text that reads as a number
// ("42", " -1.5e3 ", ".5") stores the number; "TRUE"/"FALSE" in any case give booleans;
// the empty text empties the cell; anything else is text. A Value write never makes a formula.
CellValue ValueFromText(std::string_view text);

// The rules of a Formula write: text starting with '=' (and longer than "=") is a formula;
// anything else is read as by ValueFromText.
CellInput InputFromFormulaText(std::string_view text);

// A plain decimal number with optional sign, fraction and exponent, with blanks around;
// nothing otherwise. Independent of the locale.
std::optional<double> ParseNumberText(std::string_view text);

}  // namespace korvat::host
