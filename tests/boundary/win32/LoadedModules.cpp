// Windows finds a loaded module by its path without loading it.
#include "tests/boundary/LoadedModules.h"

#include <windows.h>

namespace qs_test {

bool LibraryIsLoaded(const std::string& path) { return GetModuleHandleA(path.c_str()) != nullptr; }

}  // namespace qs_test
