// The search run started by OnClicSousMenu and by the shortcut.
#pragma once
#include <cstdint>

namespace qs {
void RunSearch(std::int32_t index);
}
