// Finding a module's path through GetModuleFileNameExA or the ToolHelp module list.
#include "platform/ModulePathSearch.h"

#include <cstring>
#include <string>
#include <vector>

namespace qs {

namespace {

std::string ByModuleFileName(const ModuleNameSource& source, void* module) {
    if (!source.moduleFileName) return std::string();
    // A name that fills the buffer exactly may have been cut: ask again with twice the room.
    for (std::uint32_t size = ModuleNameFirstBufferSize; size <= ModuleNameLargestBufferSize; size *= 2) {
        std::vector<char> buffer(size, '\0');
        const std::uint32_t written = source.moduleFileName(module, buffer.data(), size);
        if (written == 0) return std::string();
        if (written == size) continue;
        return std::string(buffer.data(), strnlen(buffer.data(), size));
    }
    return std::string();
}

std::string ByModuleList(const ModuleNameSource& source, void* module) {
    if (!source.openSnapshot || !source.firstModule || !source.nextModule) return std::string();
    void* snapshot = source.openSnapshot();
    if (snapshot == nullptr) return std::string();
    std::string path;
    try {
        ModuleEntryFields entry;
        for (bool delivered = source.firstModule(snapshot, entry); delivered;
             delivered = source.nextModule(snapshot, entry)) {
            if (entry.module == module) {
                path.assign(entry.exePath, strnlen(entry.exePath, sizeof entry.exePath));
                break;
            }
            entry = ModuleEntryFields{};
        }
    } catch (...) {
        path.clear();
    }
    if (source.closeSnapshot) source.closeSnapshot(snapshot);
    return path;
}

}  // namespace

std::string FindModulePath(const ModuleNameSource& source, void* module) {
    try {
        if (source.platformId == PlatformWin32Nt) return ByModuleFileName(source, module);
        return ByModuleList(source, module);
    } catch (...) {
        return std::string();
    }
}

}  // namespace qs
