// Registration of the configured shortcut with the host.
#pragma once
#include <cstdint>

namespace qs {
// Registers PluginOptions.Shortcut; gives back what the host answered.
std::int32_t RegisterShortcut();
}
