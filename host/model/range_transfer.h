#pragma once
// Copy and paste between ranges, as the host's Copy/Paste and PasteSpecial do.

#include "host/model/cell_address.h"

namespace korvat::host {

class Worksheet;

enum class PasteKind {
  All,       // formulas (relative references shifted), values and formats
  Values,    // the source's current values only; destination formats stay
  Formats,   // formats only
  Formulas,  // formulas and values, destination formats stay
};

// Copies the source range onto the destination whose top-left cell is (row, col); the
// destination has the source's size (clipped at the sheet's edge). Source cells that are
// empty empty their destination (for the parts the kind copies). Overlapping ranges are safe.
// False when the destination corner is outside the sheet.
bool CopyRange(const Worksheet& from, const RangeRef& range, Worksheet& to, int row, int col,
               PasteKind kind = PasteKind::All);

}  // namespace korvat::host
