// The module handle of a loaded library, which is its base address.
#include "tests/boundary/ModuleBase.h"

#include <windows.h>

namespace qs_test {
std::int64_t ModuleBaseOf(const void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(address), &module))
        return 0;
    return static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(module));
}
}  // namespace qs_test
