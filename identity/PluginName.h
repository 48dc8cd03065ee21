// The display name the host shows for the plug-in.
#pragma once
#include <cstdint>

namespace qs {
// Copies the name and its length when it is not empty; true when it did.
bool CopyPluginName(char* name, std::int32_t* length);
}
