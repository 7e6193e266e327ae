#pragma once
// The format of one cell. Constants are the host's: -4142 is "none", -4105 "automatic".

#include <array>
#include <string>

namespace korvat::host {

inline constexpr int kNone = -4142;       // no line, no fill
inline constexpr int kAutomatic = -4105;  // automatic colour
inline constexpr int kThin = 2;           // border weight of a thin line

// The edges a cell holds, in the order of the file format. The host's Borders index of an edge
// is 7 (left), 8 (top), 9 (bottom), 10 (right).
enum class Edge { Left = 0, Top = 1, Bottom = 2, Right = 3 };
inline constexpr int kEdgeCount = 4;
const char* EdgeName(Edge e);     // "left", "top", "bottom", "right"
int EdgeBordersIndex(Edge e);     // 7..10
bool EdgeFromBordersIndex(int index, Edge* edge);  // false for indexes other than 7..10

struct Border {
  int lineStyle = kNone;
  int weight = kThin;
  int colorIndex = kAutomatic;
  friend bool operator==(const Border&, const Border&) = default;
};

struct Interior {
  int colorIndex = kNone;
  int pattern = kNone;
  int patternColorIndex = kAutomatic;
  int color = 0xFFFFFF;  // RGB as the host packs it: red + green*256 + blue*65536
  friend bool operator==(const Interior&, const Interior&) = default;
};

struct Font {
  std::string name = "Calibri";
  double size = 11.0;
  bool bold = false;
  bool italic = false;
  int colorIndex = kAutomatic;
  int color = 0;
  friend bool operator==(const Font&, const Font&) = default;
};

inline constexpr int kHAlignGeneral = 1;
inline constexpr int kVAlignBottom = -4107;

struct CellStyle {
  std::array<Border, kEdgeCount> borders{};
  Interior interior;
  Font font;
  std::string numberFormat = "General";
  int horizontalAlignment = kHAlignGeneral;
  int verticalAlignment = kVAlignBottom;

  Border& border(Edge e) { return borders[static_cast<int>(e)]; }
  const Border& border(Edge e) const { return borders[static_cast<int>(e)]; }
  // Compared with one shared default: a temporary here makes GCC 12 warn of uninitialised
  // strings once inlined into the writers.
  bool IsDefault() const { return *this == Default(); }
  static const CellStyle& Default();
  friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

}  // namespace korvat::host
