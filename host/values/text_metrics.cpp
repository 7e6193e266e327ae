#include "host/values/text_metrics.h"

#include <cmath>

#include "host/values/default_font_metrics.h"

namespace korvat::host {
namespace {

constexpr double kPixelsPerPoint = 4.0 / 3.0;

// The next code point of UTF-8 text at *i; U+FFFD for a byte that starts no valid sequence.
char32_t NextCodePoint(std::string_view text, size_t* i) {
  auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char c = byte(*i);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || *i + n > text.size()) {
    ++*i;
    return 0xFFFD;
  }
  char32_t code = n == 1 ? c : c & (0x7F >> n);
  for (size_t k = 1; k < n; ++k) {
    if ((byte(*i + k) & 0xC0) != 0x80) {
      ++*i;
      return 0xFFFD;
    }
    code = (code << 6) | (byte(*i + k) & 0x3F);
  }
  *i += n;
  return code;
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x20000;
}

bool IsZeroWidth(char32_t c) {
  return (c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200F) || c == 0xFEFF;
}

// The advance in ems; characters the face lacks are drawn from a fallback face: East Asian
// ones a full em, combining marks nothing, the rest about an average Latin letter.
double AdvanceEms(char32_t c, FontFace face) {
  int units = DefaultFontAdvance(c, face);
  if (units >= 0) return static_cast<double>(units) / kFontUnitsPerEm;
  if (IsZeroWidth(c)) return 0.0;
  return IsWide(c) ? 1.0 : 0.55;
}

template <typename PerCharacter>
double SumOver(std::string_view utf8, PerCharacter perCharacter) {
  double sum = 0.0;
  for (size_t i = 0; i < utf8.size();) sum += perCharacter(NextCodePoint(utf8, &i));
  return sum;
}

}  // namespace

double TextWidth(std::string_view utf8, const FontSpec& font) {
  const FontFace face = FaceOf(font.bold, font.italic);
  return SumOver(utf8, [&](char32_t c) { return AdvanceEms(c, face); }) * font.size;
}

double HostCellTextWidth(std::string_view utf8, const FontSpec& font) {
  const FontFace face = FaceOf(font.bold, font.italic);
  const double pixelsPerEm = font.size * kPixelsPerPoint;
  double pixels = SumOver(utf8, [&](char32_t c) { return std::round(AdvanceEms(c, face) * pixelsPerEm); });
  return pixels / kPixelsPerPoint;
}

}  // namespace korvat::host
