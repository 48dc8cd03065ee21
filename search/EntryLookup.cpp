// Finding a sub-menu item's search entry.
#include "search/EntryLookup.h"

#include <stdexcept>

namespace qs {

std::size_t CountEntries(const PluginState& state) { return state.SearchEntries ? state.SearchEntries->size() : 0; }

const TSearchEntry* EntryAt(const PluginState& state, std::int32_t index) {
    if (index < 0) throw std::out_of_range("negative item number");
    if (static_cast<std::size_t>(index) >= CountEntries(state)) return nullptr;
    return &(*state.SearchEntries)[static_cast<std::size_t>(index)];
}

}  // namespace qs
