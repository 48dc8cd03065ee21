// The sub-menu items: caption, and enabled only for a selection the entry accepts.
#include "search/MenuItems.h"

#include <cstring>

#include "plugin/DUnitExternal.h"
#include "search/EntryLookup.h"
#include "search/QueryEncoding.h"
#include "search/SelectionFilter.h"
#include "search/SelectionReader.h"

namespace qs {

bool DescribeMenuItem(std::int32_t index, QsBool* enabled, QsBool* visible, char* caption) {
    const PluginState& state = State();
    const std::int32_t length = LgTexteSelectionne();
    bool passes = true;
    if (state.PluginOptions.CtrlMenu && length > 0) {
        std::string text = ReadSelection(length);
        // Past the end the selection is still read and tested: trimmed, with no pattern.
        const TSearchEntry* entry = EntryAt(state, index);
        const bool trim = entry ? entry->Trim : true;
        const std::string pattern = entry ? entry->RegExp.Str() : std::string();
        if (trim) text = TrimSpaces(std::move(text));
        passes = SelectionMatches(pattern, text);
    }
    const TSearchEntry* entry = index >= 0 ? EntryAt(state, index) : nullptr;
    if (entry == nullptr) return false;
    *enabled = ToQsBool(length > 0 && passes);
    *visible = QsTrue;
    std::memcpy(caption, entry->Title.chars, entry->Title.length);
    caption[entry->Title.length] = '\0';
    return true;
}

}  // namespace qs
