#pragma once
// The host's default palette of 56 colours behind ColorIndex, packed red + green*256 +
// blue*65536 like every colour of the model.

namespace korvat::host::automation {

// The colour of a palette index 1..56; -1 for any other index.
int PaletteColor(int colorIndex);
// The palette index whose colour is nearest (first of equals).
int NearestPaletteIndex(int color);

}  // namespace korvat::host::automation
