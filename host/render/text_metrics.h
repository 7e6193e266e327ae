#pragma once
// Estimated widths of text, for deciding where a cell's text is cut and how much room chart
// labels need. The page has no font metrics at render time, so these are averages of the
// host's default sans-serif face: wide enough never to cut text that the host shows whole in
// the common cases, narrow enough to cut what clearly spills.

#include <string_view>

namespace korvat::host::render {

double EstimateTextWidth(std::string_view utf8, double fontSize, bool bold);
// The longest prefix (in bytes, on a character boundary) whose estimated width fits.
size_t PrefixThatFits(std::string_view utf8, double fontSize, bool bold, double width);

}  // namespace korvat::host::render
