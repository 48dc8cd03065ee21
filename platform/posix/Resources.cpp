// The library's string table, compiled in: the same entries as the Windows resource script
// identity/Quickseek.rc (a unit test holds the two together).
#include "platform/Resources.h"

namespace qs {

namespace {
struct StringEntry {
    unsigned id;
    const char* text;
};
constexpr StringEntry StringTable[] = {
    {65436, "Maj+"},
    {65437, "Ctrl+"},
    {65438, "Alt+"},
};
}  // namespace

std::string LoadStringResource(unsigned id) {
    for (const StringEntry& entry : StringTable)
        if (entry.id == id) return entry.text;
    return {};
}

}  // namespace qs
