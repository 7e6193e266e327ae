#include "host/file/xlsx_shape_types.h"

namespace korvat::host::file::xlsx {
namespace {

struct Named {
  int value;
  const char* name;
};

constexpr Named kAutoShapes[] = {
    {1, "rect"}, {2, "parallelogram"}, {3, "trapezoid"}, {4, "diamond"}, {5, "roundRect"}, {6, "octagon"},
    {7, "triangle"}, {8, "rtTriangle"}, {9, "ellipse"}, {10, "hexagon"}, {11, "plus"}, {12, "pentagon"},
    {13, "can"}, {14, "cube"}, {15, "bevel"}, {16, "foldedCorner"}, {17, "smileyFace"}, {18, "donut"},
    {19, "noSmoking"}, {20, "blockArc"}, {21, "heart"}, {22, "lightningBolt"}, {23, "sun"}, {24, "moon"},
    {25, "arc"}, {26, "bracketPair"}, {27, "bracePair"}, {28, "plaque"}, {29, "leftBracket"},
    {30, "rightBracket"}, {31, "leftBrace"}, {32, "rightBrace"}, {33, "rightArrow"}, {34, "leftArrow"},
    {35, "upArrow"}, {36, "downArrow"}, {37, "leftRightArrow"}, {38, "upDownArrow"}, {39, "quadArrow"},
    {40, "leftRightUpArrow"}, {41, "bentArrow"}, {42, "uturnArrow"}, {43, "leftUpArrow"}, {44, "bentUpArrow"},
    {45, "curvedRightArrow"}, {46, "curvedLeftArrow"}, {47, "curvedUpArrow"}, {48, "curvedDownArrow"},
    {49, "stripedRightArrow"}, {50, "notchedRightArrow"}, {51, "homePlate"}, {52, "chevron"},
    {53, "rightArrowCallout"}, {54, "leftArrowCallout"}, {55, "upArrowCallout"}, {56, "downArrowCallout"},
    {57, "leftRightArrowCallout"}, {58, "upDownArrowCallout"}, {59, "quadArrowCallout"}, {60, "circularArrow"},
    {61, "flowChartProcess"}, {62, "flowChartAlternateProcess"}, {63, "flowChartDecision"},
    {64, "flowChartInputOutput"}, {65, "flowChartPredefinedProcess"}, {66, "flowChartInternalStorage"},
    {67, "flowChartDocument"}, {68, "flowChartMultidocument"}, {69, "flowChartTerminator"},
    {70, "flowChartPreparation"}, {71, "flowChartManualInput"}, {72, "flowChartManualOperation"},
    {73, "flowChartConnector"}, {74, "flowChartOffpageConnector"}, {75, "flowChartPunchedCard"},
    {76, "flowChartPunchedTape"}, {77, "flowChartSummingJunction"}, {78, "flowChartOr"}, {79, "flowChartCollate"},
    {80, "flowChartSort"}, {81, "flowChartExtract"}, {82, "flowChartMerge"}, {83, "flowChartOnlineStorage"},
    {84, "flowChartMagneticTape"}, {85, "flowChartMagneticDisk"}, {86, "flowChartMagneticDrum"},
    {87, "flowChartDisplay"}, {88, "flowChartDelay"}, {89, "irregularSeal1"}, {90, "irregularSeal2"},
    {91, "star4"}, {92, "star5"}, {93, "star8"}, {94, "star16"}, {95, "star24"}, {96, "star32"},
    {97, "ribbon2"}, {98, "ribbon"}, {99, "ellipseRibbon2"}, {100, "ellipseRibbon"}, {101, "verticalScroll"},
    {102, "horizontalScroll"}, {103, "wave"}, {104, "doubleWave"}, {105, "wedgeRectCallout"},
    {106, "wedgeRoundRectCallout"}, {107, "wedgeEllipseCallout"}, {108, "cloudCallout"},
};

constexpr Named kConnectors[] = {{1, "straightConnector1"}, {2, "bentConnector3"}, {3, "curvedConnector3"}};

constexpr Named kPatterns[] = {
    {1, "pct5"}, {2, "pct10"}, {3, "pct20"}, {4, "pct25"}, {5, "pct30"}, {6, "pct40"}, {7, "pct50"},
    {8, "pct60"}, {9, "pct70"}, {10, "pct75"}, {11, "pct80"}, {12, "pct90"}, {13, "dkHorz"}, {14, "dkVert"},
    {15, "dkDnDiag"}, {16, "dkUpDiag"}, {17, "smCheck"}, {18, "trellis"}, {19, "ltHorz"}, {20, "ltVert"},
    {21, "ltDnDiag"}, {22, "ltUpDiag"}, {23, "smGrid"}, {24, "dotDmnd"}, {25, "wdDnDiag"}, {26, "wdUpDiag"},
    {27, "dashUpDiag"}, {28, "dashDnDiag"}, {29, "narVert"}, {30, "narHorz"}, {31, "dashVert"},
    {32, "dashHorz"}, {33, "lgConfetti"}, {34, "lgGrid"}, {35, "horzBrick"}, {36, "lgCheck"},
    {37, "smConfetti"}, {38, "zigZag"}, {39, "solidDmnd"}, {40, "diagBrick"}, {41, "openDmnd"}, {42, "plaid"},
    {43, "sphere"}, {44, "weave"}, {45, "dotGrid"}, {46, "divot"}, {47, "shingle"}, {48, "wave"}, {49, "horz"},
    {50, "vert"}, {51, "cross"}, {52, "dnDiag"}, {53, "upDiag"}, {54, "diagCross"},
};

// The square and round dots share a preset and differ in the line's caps.
constexpr Named kDashes[] = {{1, "solid"},  {2, "sysDot"},        {3, "sysDot"},       {4, "dash"},
                             {5, "dashDot"}, {6, "sysDashDotDot"}, {7, "lgDash"},       {8, "lgDashDot"},
                             {9, "lgDashDotDot"}, {10, "sysDash"}, {11, "dot"},         {12, "sysDashDot"}};

constexpr Named kCompounds[] = {{1, "sng"}, {2, "dbl"}, {3, "thinThick"}, {4, "thickThin"}, {5, "tri"}};

constexpr Named kArrowheads[] = {{1, "none"},    {2, "triangle"}, {3, "arrow"},
                                 {4, "stealth"}, {5, "diamond"},  {6, "oval"}};

template <size_t N>
const char* NameOf(const Named (&table)[N], int value) {
  for (const auto& n : table)
    if (n.value == value) return n.name;
  return nullptr;
}

template <size_t N>
int ValueOf(const Named (&table)[N], std::string_view name, int fallback) {
  for (const auto& n : table)
    if (name == n.name) return n.value;
  return fallback;
}

}  // namespace

const char* PresetOfAutoShape(int t) { return NameOf(kAutoShapes, t); }
int AutoShapeOfPreset(std::string_view p) { return ValueOf(kAutoShapes, p, 0); }
const char* PresetOfConnector(int t) { return NameOf(kConnectors, t); }
int ConnectorOfPreset(std::string_view p) {
  if (p.substr(0, 13) == "bentConnector") return 2;
  if (p.substr(0, 15) == "curvedConnector") return 3;
  return p == "straightConnector1" || p == "line" ? 1 : 0;
}
const char* PresetOfPattern(int p) { return NameOf(kPatterns, p); }
int PatternOfPreset(std::string_view p) { return ValueOf(kPatterns, p, 0); }

const char* PresetOfDash(int d, bool* roundCap) {
  *roundCap = d == 3;
  return NameOf(kDashes, d);
}

int DashOfPreset(std::string_view p, bool roundCap) {
  if (p == "sysDot") return roundCap ? 3 : 2;
  return ValueOf(kDashes, p, 1);
}

const char* CompoundOfLineStyle(int s) { return NameOf(kCompounds, s); }
int LineStyleOfCompound(std::string_view c) { return ValueOf(kCompounds, c, 1); }
const char* ArrowheadType(int s) { return NameOf(kArrowheads, s); }
int ArrowheadStyleOf(std::string_view t) { return ValueOf(kArrowheads, t, 1); }

}  // namespace korvat::host::file::xlsx
