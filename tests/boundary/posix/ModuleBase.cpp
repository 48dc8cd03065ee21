// The base of a shared object, from the dynamic loader.
#include "tests/boundary/ModuleBase.h"

#include <dlfcn.h>

namespace qs_test {
std::int64_t ModuleBaseOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0) return 0;
    return static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(info.dli_fbase));
}
}  // namespace qs_test
