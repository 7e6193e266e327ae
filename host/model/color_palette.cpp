#include "host/model/color_palette.h"

namespace korvat::host {
namespace {

// Written as 0xRRGGBB for reading; packed on use.
constexpr int kPalette[56] = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

int Packed(int rrggbb) {
  const int r = (rrggbb >> 16) & 0xFF, g = (rrggbb >> 8) & 0xFF, b = rrggbb & 0xFF;
  return r + g * 256 + b * 65536;
}

}  // namespace

std::optional<int> PaletteColor(int colorIndex) {
  if (colorIndex < 1 || colorIndex > 56) return std::nullopt;
  return Packed(kPalette[colorIndex - 1]);
}

int NearestPaletteIndex(int color) {
  const int r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
  int best = 1;
  long bestDistance = -1;
  for (int i = 1; i <= 56; ++i) {
    const int p = Packed(kPalette[i - 1]);
    const long dr = r - (p & 0xFF), dg = g - ((p >> 8) & 0xFF), db = b - ((p >> 16) & 0xFF);
    const long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

}  // namespace korvat::host
