// The base address this shared object is loaded at, from the dynamic loader.
#include "platform/ModuleHandle.h"

#include <dlfcn.h>

namespace qs {
void* ThisModuleHandle() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ThisModuleHandle), &info) == 0) return nullptr;
    return info.dli_fbase;
}
}  // namespace qs
