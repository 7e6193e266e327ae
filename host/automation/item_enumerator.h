#pragma once
// The IEnumVARIANT a collection's _NewEnum hands out. It walks a fixed list of
// positions taken when the enumeration began and asks the collection's item
// function for each one as it goes, so an item deleted meanwhile is skipped.

#include <atomic>
#include <functional>
#include <memory>

#include "platform/com.h"
#include "host/automation/dispatch_object.h"
#include "host/automation/host_context.h"

namespace korvat::host::automation {

// The item at the position, or an empty handle to skip it.
using ItemFactory = std::function<DispatchRef(std::size_t position)>;

// A new enumerator over positions 0..count-1.
UnknownRef NewItemEnumerator(std::shared_ptr<HostContext> context, std::size_t count, ItemFactory item);

}  // namespace korvat::host::automation
