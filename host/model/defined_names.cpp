#include "host/model/defined_names.h"

#include "host/model/text_compare.h"

namespace korvat::host {

bool DefinedNames::Set(std::string_view name, std::string_view reference) {
  if (name.empty()) return false;
  if (!reference.empty() && reference.front() == '=') reference.remove_prefix(1);
  auto& e = entries_[FoldCase(name)];
  if (e.name.empty()) e.name = std::string(name);
  e.reference = std::string(reference);
  return true;
}

std::optional<std::string> DefinedNames::Find(std::string_view name) const {
  auto it = entries_.find(FoldCase(name));
  if (it == entries_.end()) return std::nullopt;
  return it->second.reference;
}

bool DefinedNames::Remove(std::string_view name) { return entries_.erase(FoldCase(name)) > 0; }

}  // namespace korvat::host
