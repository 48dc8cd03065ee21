// Registration of the configured shortcut with the host.
#include "shortcut/Registration.h"

#include "platform/ModuleHandle.h"
#include "plugin/DUnitExternal.h"

namespace qs {

std::int32_t RegisterShortcut() {
    const std::uint32_t code = 0;
    return GestionRaccourciPlugin(ThisModuleHandle(), 1, code);
}

}  // namespace qs
