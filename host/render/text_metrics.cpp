#include "host/render/text_metrics.h"

namespace korvat::host::render {
namespace {

// Advance of one character in ems.
double CharacterEms(unsigned char c) {
  if (c >= 0x80) return 0.6;  // a non-ASCII character, counted at its lead byte
  if (c >= '0' && c <= '9') return 0.507;
  switch (c) {
    case 'i': case 'j': case 'l': case '.': case ',': case ':': case ';': case '\'': case '|':
    case '!': case 'I': return 0.24;
    case 'f': case 't': case 'r': case ' ': case '(': case ')': case '[': case ']': case '/':
    case '-': return 0.33;
    case 'm': case 'w': case 'M': case 'W': case '@': case '%': return 0.8;
    default: break;
  }
  if (c >= 'A' && c <= 'Z') return 0.58;
  return 0.48;
}

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

double Factor(double fontSize, bool bold) { return fontSize * (bold ? 1.06 : 1.0); }

}  // namespace

double EstimateTextWidth(std::string_view utf8, double fontSize, bool bold) {
  double ems = 0.0;
  for (char ch : utf8) {
    auto c = static_cast<unsigned char>(ch);
    if (!IsContinuationByte(c)) ems += CharacterEms(c);
  }
  return ems * Factor(fontSize, bold);
}

size_t PrefixThatFits(std::string_view utf8, double fontSize, bool bold, double width) {
  double used = 0.0;
  size_t i = 0;
  while (i < utf8.size()) {
    auto c = static_cast<unsigned char>(utf8[i]);
    size_t next = i + 1;
    while (next < utf8.size() && IsContinuationByte(static_cast<unsigned char>(utf8[next]))) ++next;
    used += CharacterEms(c) * Factor(fontSize, bold);
    if (used > width) break;
    i = next;
  }
  return i;
}

}  // namespace korvat::host::render
