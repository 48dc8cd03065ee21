// The dynamic loader answers without loading when asked with RTLD_NOLOAD.
#include "tests/boundary/LoadedModules.h"

#include <dlfcn.h>

namespace qs_test {

bool LibraryIsLoaded(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) return false;
    dlclose(handle);
    return true;
}

}  // namespace qs_test
