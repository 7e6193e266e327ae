#include "host/render/svg_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace korvat::host::render {
namespace {

// Length of the valid UTF-8 sequence at text[i], 0 when it is not one.
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char c = byte(i);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || i + n > text.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  if (n == 2 && c < 0xC2) return 0;  // overlong
  return n;
}

}  // namespace

std::string EscapeXml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    size_t n = Utf8SequenceLength(text, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    if (n > 1) {
      out.append(text.substr(i, n));
      i += n;
      continue;
    }
    char c = text[i++];
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') out += "\xEF\xBF\xBD";
        else out += c;
    }
  }
  return out;
}

std::string Num(double value) {
  if (!std::isfinite(value)) return "0";
  double rounded = std::round(value * 100.0) / 100.0;
  if (rounded == 0.0) return "0";  // no "-0"
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.2f", rounded);
  std::string s = buf;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

std::string ColorText(int packedRgb) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", packedRgb & 0xFF, (packedRgb >> 8) & 0xFF,
                (packedRgb >> 16) & 0xFF);
  return buf;
}

}  // namespace korvat::host::render
