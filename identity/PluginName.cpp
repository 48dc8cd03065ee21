// The display name.
#include "identity/PluginName.h"

#include <cstring>

#include "plugin/PluginBase.h"

namespace qs {

bool CopyPluginName(char* name, std::int32_t* length) {
    PluginState& state = State();
    state.PluginName = "Quickseek";
    std::memcpy(name, state.PluginName.c_str(), state.PluginName.size() + 1);
    *length = static_cast<std::int32_t>(state.PluginName.size());
    return true;
}

}  // namespace qs
