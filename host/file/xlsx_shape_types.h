#pragma once
// The drawing markup's names for the host's shape constants: preset geometries of auto
// shapes and connectors, fill patterns, dash styles, compound lines and arrowheads.

#include <string>
#include <string_view>

namespace korvat::host::file::xlsx {

// Preset geometry of an auto shape type; null for a type without one.
const char* PresetOfAutoShape(int autoShapeType);
// 0 for a preset the host has no auto shape type for.
int AutoShapeOfPreset(std::string_view preset);

const char* PresetOfConnector(int connectorType);  // 1 straight, 2 elbow, 3 curved
int ConnectorOfPreset(std::string_view preset);    // 0 when not a connector preset

const char* PresetOfPattern(int pattern);  // null for an unknown pattern
int PatternOfPreset(std::string_view preset);  // 0 when unknown

// Dash styles: the preset and whether the line has round caps (the host's round dot).
const char* PresetOfDash(int dashStyle, bool* roundCap);
int DashOfPreset(std::string_view preset, bool roundCap);  // 1 (solid) when unknown

const char* CompoundOfLineStyle(int lineStyle);  // "sng" ...
int LineStyleOfCompound(std::string_view compound);

const char* ArrowheadType(int arrowheadStyle);  // "none", "triangle", ...
int ArrowheadStyleOf(std::string_view type);

}  // namespace korvat::host::file::xlsx
