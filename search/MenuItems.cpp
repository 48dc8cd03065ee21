// The sub-menu items.
#include "search/MenuItems.h"

#include <cstring>

#include "plugin/PluginBase.h"

namespace qs {

bool DescribeMenuItem(std::int32_t index, QsBool* enabled, QsBool* visible, char* caption) {
    const PluginState& state = State();
    if (!state.SearchEntries || index < 0 || static_cast<std::size_t>(index) >= state.SearchEntries->size())
        return false;
    const TSearchEntry& entry = (*state.SearchEntries)[static_cast<std::size_t>(index)];
    *enabled = QsFalse;
    *visible = QsTrue;
    std::memcpy(caption, entry.Title.chars, entry.Title.length);
    caption[entry.Title.length] = '\0';
    return true;
}

}  // namespace qs
