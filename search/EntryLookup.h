// Finding a sub-menu item's search entry.
#pragma once
#include <cstdint>

#include "plugin/PluginBase.h"

namespace qs {

// The number of entries; 0 while Init has not created the list.
std::size_t CountEntries(const PluginState& state);

// The entry at the index, or null for an index at or beyond the end. A negative index is not
// an item number at all and throws std::out_of_range.
const TSearchEntry* EntryAt(const PluginState& state, std::int32_t index);

}  // namespace qs
