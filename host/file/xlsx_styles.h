#pragma once
// Cell formats as the styles part holds them: number formats, fonts, fills, borders and
// the cell formats (xf) that combine them, and the differential formats of conditional
// formats. Writing collects the distinct formats of the cells as they are met; reading gives
// one CellStyle per cell format index.

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "host/file/xlsx_color.h"
#include "host/model/cell_style.h"

namespace korvat::host::file::xlsx {

// The colours a conditional format applies.
struct DifferentialFormat {
  int fontColorIndex = kAutomatic;
  int interiorColorIndex = kNone;
  friend bool operator==(const DifferentialFormat&, const DifferentialFormat&) = default;
};

class StyleWriter {
 public:
  // `original` is the root of the styles part read, or empty. Elements it holds that the model
  // does not (table styles, a custom palette, extensions) are carried over; its differential
  // formats come first so that rules carried over keep their indexes.
  explicit StyleWriter(pugi::xml_node original = {});
  // The cell format index of a style (0 for the default style).
  int XfIndex(const CellStyle& style);
  int DxfIndex(const DifferentialFormat& format);
  std::string Xml() const;

 private:
  int Intern(std::map<std::string, int>& table, std::vector<std::string>& list, std::string xml);
  std::vector<std::string> numFmts_, fonts_, fills_, borders_, xfs_, dxfs_;
  std::map<std::string, int> numFmtIds_, fontIds_, fillIds_, borderIds_, xfIds_, dxfIds_;
  std::vector<std::pair<int, std::string>> customFormats_;  // id, code
  std::map<std::string, int> customFormatIds_;
  pugi::xml_node original_;
  CellStyle lastStyle_;
  int lastXf_ = 0;
};

struct StyleSheet {
  std::vector<CellStyle> xfs;                 // by cell format index
  std::vector<DifferentialFormat> dxfs;       // by differential format index
};

// Reads the styles part. An index that points past its table (a cell format naming font 9
// of 3) fails with *error naming the part and the place.
bool ReadStyles(const std::string& data, const std::string& partName, const ThemeColors& theme, StyleSheet* out,
                std::string* error);

// The format code of a built-in number format id; empty for ids without one.
std::string BuiltInNumberFormat(int id);

}  // namespace korvat::host::file::xlsx
