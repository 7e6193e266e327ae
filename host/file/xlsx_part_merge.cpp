#include "host/file/xlsx_part_merge.h"

#include "host/file/xlsx_xml.h"

namespace korvat::host::file::xlsx {

std::string MergeChildren(const pugi::xml_node& original, const std::vector<std::string>& order,
                          const std::map<std::string, std::string>& generated) {
  auto rankOf = [&](std::string_view name) {
    for (size_t i = 0; i < order.size(); ++i)
      if (order[i] == name) return static_cast<int>(i);
    return -1;
  };
  struct Item {
    int rank;
    std::string markup;
  };
  std::vector<Item> items;
  int rank = -1;
  for (pugi::xml_node c = original.first_child(); c; c = c.next_sibling()) {
    if (c.type() != pugi::node_element) continue;
    std::string name(LocalName(c));
    int r = rankOf(name);
    if (r >= 0) rank = r;
    if (generated.count(name)) continue;
    items.push_back({rank, RawXml(c)});
  }
  for (size_t i = 0; i < order.size(); ++i) {
    auto it = generated.find(order[i]);
    if (it == generated.end() || it->second.empty()) continue;
    const int r = static_cast<int>(i);
    size_t at = 0;
    while (at < items.size() && items[at].rank <= r) ++at;
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), Item{r, it->second});
  }
  std::string out;
  for (const auto& item : items) out += item.markup;
  return out;
}

std::string RootStartTag(const std::string& name, const std::vector<std::pair<std::string, std::string>>& attributes,
                         const pugi::xml_node& original) {
  std::string out = "<" + name;
  auto given = [&](std::string_view n) {
    for (const auto& a : attributes)
      if (a.first == n) return true;
    return false;
  };
  for (const auto& [n, v] : attributes) {
    out += " " + n + "=\"";
    AppendEscaped(out, v, true);
    out += "\"";
  }
  for (pugi::xml_attribute a = original.first_attribute(); a; a = a.next_attribute()) {
    if (given(a.name())) continue;
    out += " " + std::string(a.name()) + "=\"";
    AppendEscaped(out, a.value(), true);
    out += "\"";
  }
  return out + ">";
}

}  // namespace korvat::host::file::xlsx
