// The shared object's own file, as the dynamic loader names it.
#include "platform/ModulePath.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace qs {

std::string PluginModulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&PluginModulePath), &info) == 0 || info.dli_fname == nullptr) {
        return std::string();
    }
    std::string path = info.dli_fname;
    if (path.empty() || path.front() == '/') return path;
    // The loader keeps a name as it was given to it; a relative one is taken from the current folder.
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
    return failed ? std::string() : absolute.string();
}

char PathSeparator() { return '/'; }
bool DriveColonEndsFolder() { return false; }

}  // namespace qs
