// The renderer's text widths against the font the page names, read from its files.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "host/values/default_font_metrics.h"
#include "host/values/text_metrics.h"

namespace korvat::host {
namespace {

// The advance widths of a TrueType file by code point (Windows Unicode BMP cmap, format 4).
class TrueTypeAdvances {
 public:
  explicit TrueTypeAdvances(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    data_.assign(std::istreambuf_iterator<char>(in), {});
    if (data_.size() < 12) return;
    for (uint32_t i = 0, n = U16(4); i < n; ++i) tables_[std::string(&data_[12 + 16 * i], 4)] = U32(12 + 16 * i + 8);
    if (!tables_.count("head") || !tables_.count("hhea") || !tables_.count("hmtx") || !tables_.count("cmap")) return;
    unitsPerEm_ = U16(tables_["head"] + 18);
    metrics_ = U16(tables_["hhea"] + 34);
    ReadCmap(tables_["cmap"]);
  }

  bool ok() const { return unitsPerEm_ > 0 && !glyphs_.empty(); }
  int UnitsPerEm() const { return static_cast<int>(unitsPerEm_); }
  // -1 where the font maps the code point to no glyph.
  int Advance(char32_t code) const {
    auto it = glyphs_.find(code);
    if (it == glyphs_.end() || it->second == 0) return -1;
    uint32_t g = it->second < metrics_ ? it->second : metrics_ - 1;
    return static_cast<int>(U16(tables_.at("hmtx") + 4 * g));
  }

 private:
  uint32_t U16(size_t at) const {
    if (at + 2 > data_.size()) return 0;
    return static_cast<uint32_t>(static_cast<unsigned char>(data_[at]) << 8 | static_cast<unsigned char>(data_[at + 1]));
  }
  uint32_t U32(size_t at) const { return U16(at) << 16 | U16(at + 2); }

  void ReadCmap(size_t cmap) {
    for (uint32_t i = 0, n = U16(cmap + 2); i < n; ++i) {
      size_t record = cmap + 4 + 8 * i;
      size_t at = cmap + U32(record + 4);
      if (U16(record) != 3 || U16(record + 2) != 1 || U16(at) != 4) continue;
      uint32_t segments = U16(at + 6) / 2;
      size_t ends = at + 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments,
             ranges = deltas + 2 * segments;
      for (uint32_t s = 0; s < segments; ++s) {
        uint32_t start = U16(starts + 2 * s), end = U16(ends + 2 * s), delta = U16(deltas + 2 * s),
                 range = U16(ranges + 2 * s);
        for (uint32_t c = start; c <= end && c != 0xFFFF; ++c) {
          uint32_t g = range == 0 ? c + delta : U16(ranges + 2 * s + range + 2 * (c - start));
          if (range != 0 && g != 0) g += delta;
          glyphs_[c] = g & 0xFFFF;
        }
      }
      return;
    }
  }

  std::string data_;
  std::map<std::string, size_t> tables_;
  std::map<char32_t, uint32_t> glyphs_;
  uint32_t unitsPerEm_ = 0, metrics_ = 0;
};

TEST(DefaultFontMetrics, MatchTheInstalledCarlitoFaces) {
  const char* files[] = {"Carlito-Regular.ttf", "Carlito-Bold.ttf", "Carlito-Italic.ttf", "Carlito-BoldItalic.ttf"};
  int count = 0;
  const FontAdvanceRow* rows = DefaultFontAdvanceRows(&count);
  ASSERT_GT(count, 0x17F - 0x20);
  for (int face = 0; face < 4; ++face) {
    TrueTypeAdvances font(std::string("/usr/share/fonts/truetype/crosextra/") + files[face]);
    if (!font.ok()) GTEST_SKIP() << files[face] << " is not installed (scripts/install-deps installs it)";
    ASSERT_EQ(font.UnitsPerEm(), kFontUnitsPerEm) << files[face];
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(rows[i].advance[face], font.Advance(rows[i].codePoint))
          << files[face] << " U+" << std::hex << static_cast<uint32_t>(rows[i].codePoint);
      EXPECT_EQ(DefaultFontAdvance(rows[i].codePoint, static_cast<FontFace>(face)), rows[i].advance[face]);
    }
  }
}

TEST(TextMetrics, WidthsAreTheFacesAdvancesScaledToTheSize) {
  struct Case {
    const char* text;
    FontSpec font;
    double width;
  } cases[] = {
      {"0", {11}, 1038.0 / 2048 * 11},
      {"0", {22}, 1038.0 / 2048 * 22},
      {"0123456789", {11}, 10 * 1038.0 / 2048 * 11},  // figures are tabular
      {"a", {11}, 981.0 / 2048 * 11},
      {"a", {11, false, true}, 1053.0 / 2048 * 11},   // the italic face has its own widths
      {"\xC3\xA9", {11}, 1019.0 / 2048 * 11},         // é: one character, as wide as e
      {"\xE2\x80\x94", {11}, 1854.0 / 2048 * 11},     // em dash
      {"", {11}, 0},
  };
  for (const auto& c : cases) EXPECT_NEAR(TextWidth(c.text, c.font), c.width, 1e-9) << c.text;
  // Characters the face lacks: East Asian ones an em, combining marks nothing; broken UTF-8
  // counts as replacement characters rather than being read past.
  EXPECT_DOUBLE_EQ(TextWidth("\xE6\x97\xA5", {11}), 11.0);
  EXPECT_DOUBLE_EQ(TextWidth("e\xCC\x81", {11}), TextWidth("e", {11}));
  EXPECT_GT(TextWidth("\xE6\x97", {11}), 0.0);
  EXPECT_DOUBLE_EQ(TextWidth("\xFF", {11}), TextWidth("\xEF\xBF\xBD", {11}));
}

TEST(TextMetrics, TheHostsCellWidthsAdvanceWholePixels) {
  // A digit of the default face is 7.43 pixels drawn and 7 in the host's cells, the unit its
  // column widths count in; a period 3.70 and 4.
  EXPECT_DOUBLE_EQ(HostCellTextWidth("0", {11}), 7 * 0.75);
  EXPECT_DOUBLE_EQ(HostCellTextWidth("12345678", {11}), 56 * 0.75);
  EXPECT_DOUBLE_EQ(HostCellTextWidth("61.5", {11}), 25 * 0.75);
  EXPECT_LT(HostCellTextWidth("12345678", {11}), TextWidth("12345678", {11}));
}

}  // namespace
}  // namespace korvat::host
