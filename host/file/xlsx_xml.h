#pragma once
// XML for the package parts: parsing with errors that name the part, element and attribute
// lookup by local name (files use whatever prefixes they like), and a writer that escapes
// text so that any model text gives well-formed XML.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace korvat::host::file::xlsx {

namespace ns {
inline constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr const char* kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* kPackageRel = "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr const char* kContentTypes = "http://schemas.openxmlformats.org/package/2006/content-types";
inline constexpr const char* kDrawing = "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing";
inline constexpr const char* kDrawingMain = "http://schemas.openxmlformats.org/drawingml/2006/main";
inline constexpr const char* kChart = "http://schemas.openxmlformats.org/drawingml/2006/chart";
// The host's own values that the file format has no place for travel in extension
// elements of this namespace, which other readers skip.
inline constexpr const char* kHost = "urn:korvat:host:workbook";
inline constexpr const char* kHostExtUri = "{5C3A8B1E-7D44-4C7B-9E1A-4B6F2D8C0A11}";
}  // namespace ns

// Parses a part. False with *error "<part>: malformed XML at byte N: <reason>".
bool ParseXml(const std::string& data, const std::string& partName, pugi::xml_document* doc,
              std::string* error);

std::string_view LocalName(const pugi::xml_node& node);
std::string_view LocalName(const pugi::xml_attribute& attr);
// The first child element with the local name; an empty node when there is none.
pugi::xml_node Child(const pugi::xml_node& node, std::string_view localName);
// Child elements with the local name, in order.
std::vector<pugi::xml_node> Children(const pugi::xml_node& node, std::string_view localName);
// An attribute by its full name ("r:id" style prefixes are matched by local name when
// `prefixed` is true: any prefix; when false, only the unprefixed name).
pugi::xml_attribute Attr(const pugi::xml_node& node, std::string_view localName, bool prefixed = false);
// The relationship id an element names (an r:id / r:embed style attribute with any prefix).
std::string RelationshipId(const pugi::xml_node& node, std::string_view localName = "id");

// Attribute values as numbers; the fallback when absent or not a number.
double NumberAttr(const pugi::xml_node& node, std::string_view name, double fallback);
int64_t IntegerAttr(const pugi::xml_node& node, std::string_view name, int64_t fallback);
// "1"/"true" and "0"/"false".
bool BoolAttr(const pugi::xml_node& node, std::string_view name, bool fallback);
bool ParseNumber(std::string_view text, double* out);
bool ParseInteger(std::string_view text, int64_t* out);

// The element's text with every descendant's text in document order.
std::string DeepText(const pugi::xml_node& node);
// The raw markup of an element (for elements carried over unchanged).
std::string RawXml(const pugi::xml_node& node);

// The shortest text that reads back as the same double; whole numbers without a fraction.
std::string NumberText(double value);

// The string form spreadsheet text uses for characters XML cannot hold: _xHHHH_.
std::string EncodeSheetText(std::string_view text);
std::string DecodeSheetText(std::string_view text);

// Builds markup into a string. Start() opens an element, Attr() adds to it, Text()/Raw()
// fill it, End() closes the innermost one ("/>" when it stayed empty).
class XmlOut {
 public:
  XmlOut();  // begins with the XML declaration
  XmlOut& Start(std::string_view name);
  XmlOut& Attr(std::string_view name, std::string_view value);
  XmlOut& Attr(std::string_view name, const char* value) { return Attr(name, std::string_view(value)); }
  XmlOut& Attr(std::string_view name, const std::string& value) { return Attr(name, std::string_view(value)); }
  XmlOut& Attr(std::string_view name, double value);
  XmlOut& Attr(std::string_view name, int value) { return Attr(name, static_cast<int64_t>(value)); }
  XmlOut& Attr(std::string_view name, int64_t value);
  XmlOut& Text(std::string_view text);
  XmlOut& Raw(std::string_view markup);
  XmlOut& End();
  // A whole element with one text child.
  XmlOut& Element(std::string_view name, std::string_view text);
  // An element with a single "val" attribute (the drawing and chart style).
  XmlOut& Val(std::string_view name, std::string_view value);
  XmlOut& Val(std::string_view name, int64_t value);
  XmlOut& Val(std::string_view name, int value) { return Val(name, static_cast<int64_t>(value)); }
  XmlOut& Val(std::string_view name, double value);
  std::string Take();
  size_t Depth() const { return stack_.size(); }

 private:
  void CloseStart();
  std::string out_;
  std::vector<std::string> stack_;
  bool open_ = false;
};

// Escapes text for element content or an attribute value; invalid UTF-8 and characters XML
// cannot hold are replaced by U+FFFD.
void AppendEscaped(std::string& out, std::string_view text, bool attribute);

}  // namespace korvat::host::file::xlsx
