#pragma once
// The small pieces of SVG and HTML text every layer writes: escaped character data and
// attribute values, coordinates as short decimal text, and colours.

#include <string>
#include <string_view>

namespace korvat::host::render {

// Text with & < > " ' escaped, safe in character data and in quoted attributes. Bytes that
// are not valid UTF-8 and control characters other than tab become U+FFFD.
std::string EscapeXml(std::string_view text);
// A coordinate rounded to 1/100 point, without trailing zeros ("12.5", "-3", "0").
std::string Num(double value);
// "#rrggbb" of a packed colour (red + green*256 + blue*65536); the bits above 24 are ignored.
std::string ColorText(int packedRgb);

}  // namespace korvat::host::render
