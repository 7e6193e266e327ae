#pragma once
// One resource of the resources sheet (code name "wsResource"), and the list of
// them keyed by the hexadecimal form of their names, so that names match
// exactly and case-sensitively. The list owns its records.

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

}  // namespace korvat
