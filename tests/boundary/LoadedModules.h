// Whether a library file is still loaded in this process.
#pragma once
#include <string>

namespace qs_test {
// True while the library at path is mapped into this process.
bool LibraryIsLoaded(const std::string& path);
}
