#pragma once
// Reading and finding the resources of the resources sheet (code name
// "wsResource").

#include "plan/bound_plan.h"

#include <cstdint>

namespace korvat {

constexpr std::uint32_t kFirstResourceRow = 4;

// Empties the plan's resource list and reads the resources sheet from row 4
// down to the first row whose name (column 3) is empty.
void LoadResources(BoundPlan& plan);
// The resource whose name equals the text exactly, or null.
ResourceRecord* FindResource(const ResourceList& resources, WideView name);
ResourceRecord* FirstResource(const ResourceList& resources);

}  // namespace korvat
