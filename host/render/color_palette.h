#pragma once
// Colours as the renderer writes them: the host's default 56-colour palette behind colour
// indexes, and packed RGB (red + green*256 + blue*65536) as "#rrggbb".

#include <optional>
#include <string>

namespace korvat::host::render {

// The packed RGB of a palette index 1..56; nothing for any other index (automatic, none).
std::optional<int> PaletteColor(int colorIndex);
// "#rrggbb" of a packed colour; the bits above 24 are ignored.
std::string ColorText(int packedRgb);

}  // namespace korvat::host::render
