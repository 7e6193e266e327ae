#include "host/values/default_font_metrics.h"

#include <algorithm>
#include <iterator>

namespace korvat::host {
namespace {

constexpr FontAdvanceRow kRows[] = {
#include "host/values/default_font_advances.inc"
};

// The rows from U+0020 to U+017F are contiguous, so those code points index the table.
constexpr char32_t kDirectFirst = 0x20, kDirectLast = 0x17F;
static_assert(kRows[0].codePoint == kDirectFirst && kRows[kDirectLast - kDirectFirst].codePoint == kDirectLast);

}  // namespace

FontFace FaceOf(bool bold, bool italic) {
  if (bold) return italic ? FontFace::BoldItalic : FontFace::Bold;
  return italic ? FontFace::Italic : FontFace::Regular;
}

int DefaultFontAdvance(char32_t codePoint, FontFace face) {
  const auto f = static_cast<size_t>(face);
  if (codePoint >= kDirectFirst && codePoint <= kDirectLast) return kRows[codePoint - kDirectFirst].advance[f];
  auto it = std::lower_bound(std::begin(kRows), std::end(kRows), codePoint,
                             [](const FontAdvanceRow& row, char32_t c) { return row.codePoint < c; });
  return it != std::end(kRows) && it->codePoint == codePoint ? it->advance[f] : -1;
}

const FontAdvanceRow* DefaultFontAdvanceRows(int* count) {
  *count = static_cast<int>(std::size(kRows));
  return kRows;
}

}  // namespace korvat::host
