// The display name: built in, or replaced per interface language by "Quickseek.ini".
#include "identity/PluginName.h"

#include <algorithm>
#include <cstring>

#include "config/IniFile.h"
#include "config/PluginLocation.h"
#include "identity/BuiltInName.h"
#include "platform/Profile.h"
#include "plugin/PluginBase.h"

namespace qs {

namespace {
// The longest value the configuration can give; the host's buffer is made for it.
constexpr std::size_t MaxNameLength = 2047;
}  // namespace

bool CopyPluginName(char* name, std::int32_t* length) {
    PluginState& state = State();
    // Every call starts again, so an edit of the file shows at the next call.
    state.PluginName = UnscrambleName(BuiltInName);
    state.IniPath = ConfigFilePath("Quickseek.ini");
    if (FileExists(state.IniPath)) {
        // Only the language's own key: unlike the search entries, no French fallback.
        const IniFile file(state.IniPath);
        state.PluginName = file.ReadText("DESCRIPTION", LanguageCode() + "_NAME", state.PluginName);
    }
    if (state.PluginName.empty()) return false;

    const std::size_t count = std::min(state.PluginName.size(), MaxNameLength);
    std::memcpy(name, state.PluginName.data(), count);
    name[count] = '\0';
    *length = static_cast<std::int32_t>(count);
    return true;
}

}  // namespace qs
