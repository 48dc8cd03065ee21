// The enabled state comes from the plug-in's own DescribeMenuItem, asking the checker's host
// for the selection. The address and the clipboard text follow the search run's steps: trim,
// pattern, clipboard copy before any encoding, encoding by the entry's mode, "%1" replaced.
#include "tools/check/TryRun.h"

#include "plugin/PluginBase.h"
#include "search/MenuItems.h"
#include "search/QueryEncodeMode.h"
#include "search/QueryEncoding.h"
#include "search/SelectionFilter.h"

namespace qs::check {

std::vector<TryItem> TryEntries(const std::optional<std::string>& selection) {
    SetHostSelection(selection);
    const PluginState& state = State();
    std::vector<TryItem> items;
    if (!state.SearchEntries) return items;
    for (std::size_t position = 0; position < state.SearchEntries->size(); ++position) {
        const TSearchEntry& entry = state.SearchEntries->at(position);
        TryItem item;
        item.position = position;
        QsBool enabled = QsFalse, visible = QsFalse;
        char caption[TitleCapacity + 1] = {};
        DescribeMenuItem(static_cast<std::int32_t>(position), &enabled, &visible, caption);
        item.enabled = enabled != QsFalse;

        // A run reads the selection up to its first zero byte.
        std::string text = selection ? selection->substr(0, selection->find('\0')) : std::string();
        if (entry.Trim) text = TrimSpaces(std::move(text));
        item.query = text;
        item.accepted = selection && !selection->empty() && SelectionMatches(entry.RegExp.Str(), text);
        item.beeps = !item.accepted && state.PluginOptions.BeepOnFailure;
        if (item.accepted) {
            item.copies = entry.Clipboard;
            item.address = InsertQuery(entry.Url.Str(), EncodeQuery(text, entry.Encode));
            item.opens = entry.Navigator;
        }
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace qs::check
