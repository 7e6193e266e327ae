#pragma once
// The host's default palette of 56 colours behind ColorIndex, packed red + green*256 +
// blue*65536 like every colour of the model.

#include <optional>

namespace korvat::host {

// The colour of a palette index 1..56; nothing for any other index (automatic, none).
std::optional<int> PaletteColor(int colorIndex);
// The palette index whose colour is nearest (first of equals).
int NearestPaletteIndex(int color);

}  // namespace korvat::host
