#pragma once
// The packaging conventions around the parts: relationships (which part points at which,
// with what role) and content types (what each part is).

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/file/xlsx_package.h"

namespace korvat::host::file::xlsx {

namespace rel {
inline constexpr const char* kBase = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
// Role names: the last segment of a relationship type (transitional and strict types end alike).
inline constexpr const char* kOfficeDocument = "officeDocument";
inline constexpr const char* kWorksheet = "worksheet";
inline constexpr const char* kChartsheet = "chartsheet";
inline constexpr const char* kStyles = "styles";
inline constexpr const char* kSharedStrings = "sharedStrings";
inline constexpr const char* kDrawing = "drawing";
inline constexpr const char* kChart = "chart";
inline constexpr const char* kVbaProject = "vbaProject";
inline constexpr const char* kCalcChain = "calcChain";
}  // namespace rel

namespace ct {
inline constexpr const char* kWorkbook = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml";
inline constexpr const char* kMacroWorkbook = "application/vnd.ms-excel.sheet.macroEnabled.main+xml";
inline constexpr const char* kWorksheet = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";
inline constexpr const char* kChartsheet = "application/vnd.openxmlformats-officedocument.spreadsheetml.chartsheet+xml";
inline constexpr const char* kStyles = "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml";
inline constexpr const char* kSharedStrings =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml";
inline constexpr const char* kDrawing = "application/vnd.openxmlformats-officedocument.drawing+xml";
inline constexpr const char* kChart = "application/vnd.openxmlformats-officedocument.drawingml.chart+xml";
inline constexpr const char* kRelationships = "application/vnd.openxmlformats-package.relationships+xml";
inline constexpr const char* kVbaProject = "application/vnd.ms-office.vbaProject";
}  // namespace ct

struct Relationship {
  std::string id;
  std::string type;    // the full type URI
  std::string target;  // as written (relative to the source part's folder, or external)
  bool external = false;
  std::string Role() const;  // the type's last segment
};

struct Relationships {
  std::vector<Relationship> list;
  const Relationship* ById(std::string_view id) const;
  const Relationship* FirstWithRole(std::string_view role) const;
  // A new id not in use ("rId7").
  std::string NewId() const;
};

// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; the package's own: "" -> "_rels/.rels".
std::string RelationshipsPartName(std::string_view sourcePart);
// The part a relative target names from the source part ("../drawings/d1.xml" from
// "xl/worksheets/sheet1.xml" -> "xl/drawings/d1.xml"); empty when it leaves the package.
std::string ResolveTarget(std::string_view sourcePart, std::string_view target);
// The relative target from the source part to the part ("xl/worksheets/sheet1.xml" to
// "xl/drawings/drawing1.xml" -> "../drawings/drawing1.xml").
std::string RelativeTarget(std::string_view sourcePart, std::string_view targetPart);

// Reads the relationships of a part (none when it has no relationships part). False with
// *error naming the part when the markup is bad.
bool ReadRelationships(const Package& package, std::string_view sourcePart, Relationships* out,
                       std::string* error);
std::string RelationshipsXml(const Relationships& rels);

class ContentTypes {
 public:
  bool Read(const Package& package, std::string* error);
  // The part's type: its override, else the default of its extension; empty when unknown.
  std::string TypeOf(std::string_view part) const;
  void SetDefault(const std::string& extension, const std::string& type);
  void SetOverride(const std::string& part, const std::string& type);
  void RemoveOverride(std::string_view part);
  std::string Xml() const;

 private:
  std::map<std::string, std::pair<std::string, std::string>> defaults_;   // folded ext -> (ext, type)
  std::map<std::string, std::pair<std::string, std::string>> overrides_;  // folded part -> (part, type)
};

}  // namespace korvat::host::file::xlsx
