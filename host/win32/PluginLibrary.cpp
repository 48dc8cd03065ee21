// Loading the plug-in with the Windows loader.
#include "host/PluginLibrary.h"

#include <windows.h>

namespace host {

const char* PluginLibrary::FileName() { return "Quickseek.dll"; }

std::unique_ptr<PluginLibrary> PluginLibrary::Load(const std::string& folder, std::string* error) {
    std::string path = folder;
    if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
    path += FileName();
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        if (error) *error = "LoadLibrary failed for " + path + " (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    return std::unique_ptr<PluginLibrary>(new PluginLibrary(module, path));
}

PluginLibrary::~PluginLibrary() { FreeLibrary(static_cast<HMODULE>(handle_)); }

void* PluginLibrary::ExportByName(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void* PluginLibrary::ExportByOrdinal(int ordinal) const {
    return reinterpret_cast<void*>(
        GetProcAddress(static_cast<HMODULE>(handle_), MAKEINTRESOURCEA(static_cast<WORD>(ordinal))));
}

}  // namespace host
