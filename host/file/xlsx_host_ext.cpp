#include "host/file/xlsx_host_ext.h"

#include <cmath>

#include "host/file/xlsx_xml.h"

namespace korvat::host::file::xlsx {

void HostAttributes::SetNumber(std::string name, double value) { Set(std::move(name), NumberText(value)); }

std::string HostAttributes::ExtXml(std::string_view element) const {
  if (list_.empty()) return {};
  std::string out = std::string("<ext uri=\"") + ns::kHostExtUri + "\" xmlns:kv=\"" + ns::kHost + "\"><kv:";
  out += element;
  for (const auto& [name, value] : list_) {
    out += ' ' + name + "=\"";
    AppendEscaped(out, value, true);
    out += '"';
  }
  return out + "/></ext>";
}

std::string HostAttributes::ExtListXml(std::string_view element) const {
  std::string ext = ExtXml(element);
  return ext.empty() ? ext : "<extLst>" + ext + "</extLst>";
}

std::string MergedExtList(const pugi::xml_node& parent, const std::string& hostExt) {
  std::string exts;
  for (const pugi::xml_node& e : Children(Child(parent, "extLst"), "ext"))
    if (std::string_view(e.attribute("uri").value()) != ns::kHostExtUri) exts += RawXml(e);
  exts += hostExt;
  return exts.empty() ? exts : "<extLst>" + exts + "</extLst>";
}

std::map<std::string, std::string> ReadHostExt(const pugi::xml_node& parent) {
  std::map<std::string, std::string> out;
  pugi::xml_node list = LocalName(parent) == "extLst" ? parent : Child(parent, "extLst");
  for (const pugi::xml_node& ext : Children(list, "ext")) {
    if (std::string_view(ext.attribute("uri").value()) != ns::kHostExtUri) continue;
    pugi::xml_node element = ext.first_child();
    while (element && element.type() != pugi::node_element) element = element.next_sibling();
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
      std::string_view name = a.name();
      if (name.substr(0, 5) == "xmlns") continue;
      out[std::string(name)] = a.value();
    }
  }
  return out;
}

bool HostNumber(const std::map<std::string, std::string>& ext, const std::string& name, double* out) {
  auto it = ext.find(name);
  return it != ext.end() && ParseNumber(it->second, out);
}

bool HostInteger(const std::map<std::string, std::string>& ext, const std::string& name, int* out) {
  double d = 0;
  if (!HostNumber(ext, name, &d) || d != std::floor(d) || std::fabs(d) > 2e9) return false;
  *out = static_cast<int>(d);
  return true;
}

}  // namespace korvat::host::file::xlsx
