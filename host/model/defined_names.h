#pragma once
// Defined names of a workbook or of one sheet: a name (matched without regard to case) and
// the reference text it stands for, e.g. "Settings!$B$3" or "Settings!$B$3:$D$9".

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace korvat::host {

class DefinedNames {
 public:
  struct Entry {
    std::string name;       // as first written
    std::string reference;  // without a leading '='
  };

  // Adds or replaces; a leading '=' of the reference is dropped. False for an empty name.
  bool Set(std::string_view name, std::string_view reference);
  std::optional<std::string> Find(std::string_view name) const;
  bool Remove(std::string_view name);
  int Count() const { return static_cast<int>(entries_.size()); }
  // Folded name -> entry, in the order of the folded names.
  const std::map<std::string, Entry>& Entries() const { return entries_; }
  std::map<std::string, Entry>& MutableEntries() { return entries_; }

 private:
  std::map<std::string, Entry> entries_;
};

}  // namespace korvat::host
