// The display name the host shows for the plug-in.
#pragma once
#include <cstdint>

namespace qs {
// Determines the name afresh (the built-in one, or the localized one of "Quickseek.ini") and
// copies it with its zero and its length when it is not empty; true when it did. The host's
// buffer and length are left as they were otherwise.
bool CopyPluginName(char* name, std::int32_t* length);
}
