#pragma once
// Colours as spreadsheet markup writes them (indexed, RGB, theme with tint, automatic) and
// their conversion to the host's colour indexes and packed colours (red + green*256 +
// blue*65536).

#include <array>
#include <string>

#include <pugixml.hpp>

#include "host/file/xlsx_package.h"

namespace korvat::host::file::xlsx {

// The twelve colours of a theme in the order colour elements number them (light 1, dark 1,
// light 2, dark 2, accents 1-6, hyperlink, followed hyperlink), packed.
struct ThemeColors {
  std::array<int, 12> packed;
  static ThemeColors Default();
};
// The colours of the package's theme part, when the workbook has one; the default otherwise.
ThemeColors ReadThemeColors(const Package& package, const std::string& themePart);

struct XColor {
  enum class Kind { Absent, Auto, Indexed, Rgb };
  Kind kind = Kind::Absent;
  int index = 0;   // Indexed: the file's index (ColorIndex + 7)
  int packed = 0;  // Rgb
  friend bool operator==(const XColor&, const XColor&) = default;
};

// Reads a colour element (theme colours and tints become RGB); Absent for an empty node.
XColor ReadColor(const pugi::xml_node& node, const ThemeColors& theme);
// The attributes of a colour element ("indexed=\"10\"", "rgb=\"FF1F9E4A\"", "auto=\"1\"").
std::string ColorAttributes(const XColor& color);

// The host's colour index of a colour: the palette index, automatic, or the nearest palette
// entry of an RGB colour; `absent` when no colour is given.
int ColorIndexOf(const XColor& color, int absent);
int PackedOf(const XColor& color, int fallback);
// A colour for a host colour index (palette indexes only; automatic gives Auto, others Absent).
XColor ColorOfIndex(int colorIndex);
XColor ColorOfPacked(int packed);

std::string RgbHex(int packed);                    // "1F9E4A"
bool ParseRgbHex(const std::string& text, int* packed);  // "1F9E4A" or "FF1F9E4A"

}  // namespace korvat::host::file::xlsx
