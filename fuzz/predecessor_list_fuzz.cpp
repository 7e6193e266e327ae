// A predecessors cell as the link check reads it: split at "," and each entry
// parsed into a reference and a link type. Whatever the text, every entry comes
// apart into pieces that put it back together.

#include "base/text_helpers.h"
#include "wbs/predecessor_links.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view cell(reinterpret_cast<const char*>(data), size);
  std::size_t total = 0;
  for (const std::string& entry : korvat::SplitText(cell, ",")) {
    total += entry.size() + 1;
    Require(entry.find(',') == std::string::npos);
    const korvat::PredecessorEntry link = korvat::ParsePredecessorEntry(entry);
    Require(link.type.size() <= 2);
    Require(korvat::UpperText(link.type) == link.type);
    if (entry.empty()) {
      Require(link.reference.empty() && link.type.empty());
    } else if (entry.back() >= '0' && entry.back() <= '9') {
      // An entry ending in a digit is all reference, linked finish to start.
      Require(link.reference == entry && link.type == "FS");
    } else {
      Require(link.reference.size() + link.type.size() == entry.size());
      Require(entry.compare(0, link.reference.size(), link.reference) == 0);
      Require(korvat::UpperText(entry.substr(link.reference.size())) == link.type);
    }
  }
  Require(total == size + 1);
  return 0;
}
