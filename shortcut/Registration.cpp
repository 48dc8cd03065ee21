// Registration of the configured shortcut with the host.
#include "shortcut/Registration.h"

#include "platform/ModuleHandle.h"
#include "plugin/DUnitExternal.h"
#include "plugin/PluginBase.h"
#include "shortcut/MyShortcut.h"

namespace qs {

std::int32_t RegisterShortcut() {
    // A text that names no shortcut is registered as it comes, as code 0.
    const TShortcutCode code = ParseShortcut(State().PluginOptions.Shortcut);
    return GestionRaccourciPlugin(ThisModuleHandle(), 1, static_cast<std::uint32_t>(code));
}

}  // namespace qs
