#pragma once
// The resources of the resources sheet, keyed by the hexadecimal form of their
// names so that names match exactly and case-sensitively.

#include "automation/wide_string.h"
#include "frame/keyed_list.h"

#include <string>

namespace korvat {

struct ResourceRecord {
  std::string code;         // column 2: names the resource's bar template
  WideString resourceName;  // column 3: the text task rows put in their resource cell
  double releaseDate = 0.0;
  double nextFree = 0.0;    // scheduling cursor: 0 = not yet used on the current day
};

using ResourceList = KeyedList<ResourceRecord>;

}  // namespace korvat
