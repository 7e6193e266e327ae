#pragma once
// The advance widths of the host's default face. Calibri is not installed here; Carlito
// (Debian's fonts-crosextra-carlito) has the same advance widths, so the page names Calibri
// first and Carlito as the fallback, and the widths come from Carlito's tables, in 1/2048 em.
// The table covers Latin, Latin-1, Latin Extended-A, Greek, Cyrillic and general punctuation;
// default_font_advances.inc is written by make_default_font_metrics.py.

namespace korvat::host {

enum class FontFace { Regular = 0, Bold = 1, Italic = 2, BoldItalic = 3 };

inline constexpr int kFontUnitsPerEm = 2048;

FontFace FaceOf(bool bold, bool italic);

// The advance of a code point in the face, in font units; -1 when the table has none.
int DefaultFontAdvance(char32_t codePoint, FontFace face);

// The code points the table holds, in order (for checking it against the font files).
struct FontAdvanceRow {
  char32_t codePoint;
  short advance[4];  // by FontFace
};
const FontAdvanceRow* DefaultFontAdvanceRows(int* count);

}  // namespace korvat::host
