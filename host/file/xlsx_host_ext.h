#pragma once
// The host's own values that spreadsheet markup has no place for (a colour index beside a
// colour that does not match it, a shape's margins set to automatic, a chart's source range,
// ...) are written as attributes of one element in an extension list, under the host's
// extension id. Other readers skip it; this reader lays it over what the markup says.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

namespace korvat::host::file::xlsx {

class HostAttributes {
 public:
  void Set(std::string name, std::string value) { list_.emplace_back(std::move(name), std::move(value)); }
  void Set(std::string name, int value) { Set(std::move(name), std::to_string(value)); }
  void SetNumber(std::string name, double value);
  bool empty() const { return list_.empty(); }
  // "<ext uri=... xmlns:kv=...><kv:ELEMENT a="..."/></ext>"; empty when there is nothing.
  std::string ExtXml(std::string_view element) const;
  // The same wrapped in "<extLst>...</extLst>" (for elements that hold no other extension).
  std::string ExtListXml(std::string_view element) const;

 private:
  std::vector<std::pair<std::string, std::string>> list_;
};

// An extension list holding the extensions of `parent`'s list other than the host's, then
// `hostExt` (an ExtXml() result); empty when there is none.
std::string MergedExtList(const pugi::xml_node& parent, const std::string& hostExt);

// The attributes of the host's extension element in `parent`'s extLst (or in `parent`
// itself when it is the extLst); empty when there is none.
std::map<std::string, std::string> ReadHostExt(const pugi::xml_node& parent);
// The named value as a number; false when absent or not a number.
bool HostNumber(const std::map<std::string, std::string>& ext, const std::string& name, double* out);
bool HostInteger(const std::map<std::string, std::string>& ext, const std::string& name, int* out);

}  // namespace korvat::host::file::xlsx
