// The load run by Init.
#include "config/Load.h"

#include "plugin/PluginBase.h"

namespace qs {

void Load() {
    PluginState& state = State();
    if (state.SearchEntries) return;  // the configuration is read once per load
    state.SearchEntries.emplace();
}

}  // namespace qs
