#pragma once
// Rewriting a part the model reads: the elements the writer makes replace the file's, and
// every other element of the file stays, in schema order, as it was.

#include <map>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace korvat::host::file::xlsx {

// The children of the part's root: `generated` maps the local names the writer owns to their
// new markup (empty to drop them); children of other names are kept as they were, each after
// the owned elements that the schema `order` puts before it. Unknown names keep their place
// relative to the kept elements around them.
std::string MergeChildren(const pugi::xml_node& originalRoot, const std::vector<std::string>& order,
                          const std::map<std::string, std::string>& generated);

// The start tag of the part's root: the name and namespace attributes given, followed by the
// other attributes of the original root (its namespace declarations, ignorable prefixes).
std::string RootStartTag(const std::string& name, const std::vector<std::pair<std::string, std::string>>& attributes,
                         const pugi::xml_node& originalRoot);

}  // namespace korvat::host::file::xlsx
