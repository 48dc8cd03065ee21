// The module state: one set of values per loaded library, from load to unload.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/TableStructure.h"

namespace qs {

struct PluginState {
    TPluginOptions PluginOptions;
    // Absent until Init creates it; item i of the sub-menu is SearchEntries[i].
    std::optional<std::vector<TSearchEntry>> SearchEntries;
    std::int32_t EntryCount = 0;
    TCurrentEntry CurrentEntry;
    std::string IniPath;     // the configuration file named last
    std::string PluginName;  // the name the last NomPlugin determined
    bool SearchBusy = false;

    PluginState() = default;
    PluginState(const PluginState&) = delete;
    PluginState& operator=(const PluginState&) = delete;
    ~PluginState() { Release(); }

    // Unload: the records and the list, then the strings. Never throws.
    void Release() noexcept;
};

// The state of this loaded library.
PluginState& State();

// Puts the state back to its values at load (a fresh load, for in-process tests).
void ResetState();

}  // namespace qs
