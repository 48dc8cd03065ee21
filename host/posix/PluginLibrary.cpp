// Loading the plug-in with the dynamic loader; its host functions resolve against this program.
#include "host/PluginLibrary.h"

#include <dlfcn.h>

namespace host {

const char* PluginLibrary::FileName() { return "Quickseek.so"; }

std::unique_ptr<PluginLibrary> PluginLibrary::Load(const std::string& folder, std::string* error) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/') path += '/';
    path += FileName();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        if (error) *error = std::string("dlopen failed: ") + dlerror();
        return nullptr;
    }
    return std::unique_ptr<PluginLibrary>(new PluginLibrary(handle, path));
}

PluginLibrary::~PluginLibrary() { dlclose(handle_); }

void* PluginLibrary::ExportByName(const char* name) const { return dlsym(handle_, name); }

void* PluginLibrary::ExportByOrdinal(int) const { return nullptr; }

}  // namespace host
