// The search run.
#include "search/SearchRun.h"

#include "plugin/DUnitExternal.h"
#include "plugin/PluginBase.h"

namespace qs {

void RunSearch(std::int32_t /*index*/) {
    PluginState& state = State();
    if (state.SearchBusy) {
        HostBeep();
        return;
    }
    state.SearchBusy = true;
    if (LgTexteSelectionne() <= 0 && state.PluginOptions.BeepOnFailure) HostBeep();
    state.SearchBusy = false;
}

}  // namespace qs
