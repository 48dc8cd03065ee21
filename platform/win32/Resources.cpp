// String-table entries through LoadStringA on this library's own module.
#include "platform/Resources.h"

#include <windows.h>

#include <vector>

#include "platform/ModuleHandle.h"

namespace qs {

std::string LoadStringResource(unsigned id) {
    const auto module = static_cast<HINSTANCE>(ThisModuleHandle());
    // LoadStringA cuts a text to the buffer it is given; an entry holds at most 65535
    // characters, so a text that fills the first buffer is read again into one that holds any.
    for (const int size : {256, 65536}) {
        std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
        const int copied = LoadStringA(module, id, buffer.data(), size);
        if (copied <= 0) return {};
        if (copied < size - 1 || size == 65536) return std::string(buffer.data(), static_cast<std::size_t>(copied));
    }
    return {};
}

}  // namespace qs
