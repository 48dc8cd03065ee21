// The module state and its release at unload.
#include "plugin/PluginBase.h"

namespace qs {

namespace {
PluginState g_state;
}

PluginState& State() { return g_state; }

void PluginState::Release() noexcept {
    try {
        SearchEntries.reset();
    } catch (...) {
        // The strings below are released all the same.
    }
    EntryCount = 0;
    CurrentEntry = TCurrentEntry{};
    CurrentEntry.Encode = EncodeUrl;
    PluginOptions.Shortcut = std::string();
    PluginOptions.Shortcut.shrink_to_fit();
    PluginName = std::string();
    IniPath = std::string();
}

void ResetState() {
    g_state.Release();
    g_state.PluginOptions = TPluginOptions{};
    g_state.SearchBusy = false;
}

}  // namespace qs
