#pragma once
// The resources of the resources sheet (code name "wsResource"), keyed by the
// hexadecimal form of their names so that names match exactly and
// case-sensitively.

#include "automation/wide_string.h"
#include "base/keyed_list.h"

#include <string>

namespace korvat {

struct ResourceRecord {
  std::string code;         // column 2: names the resource's bar template
  WideString resourceName;  // column 3: the text task rows put in their resource cell
  // Column 4, optional: the moment the resource leaves the plan; 0 = none. A
  // date without a time of day means the end of that day.
  double releaseDate = 0.0;
  double nextFree = 0.0;    // scheduling cursor: 0 = not yet used on the current day
};

using ResourceList = KeyedList<ResourceRecord>;

constexpr std::uint32_t kFirstResourceRow = 4;

// Empties the add-in state's resource list and reads the sheet from row 4 down
// to the first row whose name (column 3) is empty.
void LoadResources();
// The resource whose name equals the text exactly, or null.
ResourceRecord* FindResource(WideView name);
ResourceRecord* FirstResource();

}  // namespace korvat
