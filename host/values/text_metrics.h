#pragma once
// Widths of text in the host's default face (default_font_metrics.h), in points: the room a
// cell's text takes when a column is fitted to it, and, in the renderer, where a cell's text is
// clipped, whether a number fits its cell, how much room chart labels need and where shape
// text wraps. Other faces are measured as the default one.
//
// Two measures: the width the page draws (the face's advances scaled to the size, as the
// browser lays the text out) and the width the host lays a cell's text out in at 100% zoom,
// where each character advances a whole number of pixels; that is why a digit of the
// default 11-point face is 7 pixels in the host (its column widths count in that digit).

#include <string_view>

namespace korvat::host {

struct FontSpec {
  double size = 11.0;  // points
  bool bold = false;
  bool italic = false;
};

double TextWidth(std::string_view utf8, const FontSpec& font);
double HostCellTextWidth(std::string_view utf8, const FontSpec& font);

}  // namespace korvat::host
