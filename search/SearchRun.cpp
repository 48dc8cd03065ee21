// The search run: selection, trim, pattern test, clipboard, encoding, address, shell.
#include "search/SearchRun.h"

#include "platform/Clipboard.h"
#include "platform/Shell.h"
#include "plugin/DUnitExternal.h"
#include "search/EntryLookup.h"
#include "search/QueryEncodeMode.h"
#include "search/QueryEncoding.h"
#include "search/SelectionFilter.h"
#include "search/SelectionReader.h"

namespace qs {

namespace {

// Holds SearchBusy for the length of a run, and clears it on every way out.
class BusyFlag {
public:
    explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyFlag() { flag_ = false; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;

private:
    bool& flag_;
};

void SignalFailure(const PluginState& state) {
    if (state.PluginOptions.BeepOnFailure) HostBeep();
}

}  // namespace

void RunSearch(std::int32_t index) {
    PluginState& state = State();
    if (state.SearchBusy) {
        HostBeep();
        return;
    }
    BusyFlag busy(state.SearchBusy);

    const std::int32_t length = LgTexteSelectionne();
    if (length <= 0) {
        SignalFailure(state);
        return;
    }
    std::string text = ReadSelection(length);

    // Before Init there is no item at all: the run ends without effect.
    if (!state.SearchEntries) return;
    const TSearchEntry* entry = EntryAt(state, index);
    // An item number past the end names no search: refused like a selection the entry
    // refuses, rather than run with whatever an earlier run left in CurrentEntry.
    if (entry == nullptr) {
        SignalFailure(state);
        return;
    }
    TCurrentEntry& current = state.CurrentEntry;
    current.Url = entry->Url.Str();
    current.Encode = entry->Encode;
    current.Navigator = entry->Navigator;
    current.Clipboard = entry->Clipboard;
    current.Trim = entry->Trim;
    current.RegExp = entry->RegExp.Str();

    if (current.Trim) text = TrimSpaces(std::move(text));
    if (!SelectionMatches(current.RegExp, text)) {
        SignalFailure(state);
        return;
    }
    if (current.Clipboard) CopyToClipboard(text);
    const std::string address = InsertQuery(current.Url, EncodeQuery(text, current.Encode));
    if (current.Navigator) OpenAddress(address);
}

}  // namespace qs
