// The library's path from the system: GetModuleFileNameExA, bound at run time from
// "PSAPI.dll", on the NT family; the ToolHelp functions, looked up in "kernel32.dll" at run
// time, on the others. Each binding is made once.
#include "platform/ModulePath.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstdint>
#include <cstring>

#include "platform/ModuleHandle.h"
#include "platform/ModulePathSearch.h"

namespace qs {

namespace {

using ModuleFileNameExFunction = DWORD(WINAPI*)(HANDLE process, HMODULE module, LPSTR name, DWORD size);
using SnapshotFunction = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
using ModuleWalkFunction = BOOL(WINAPI*)(HANDLE snapshot, MODULEENTRY32* entry);

static_assert(sizeof(void*) != 4 || sizeof(MODULEENTRY32) == 548, "the 8-bit module entry of 32-bit Windows");

std::uint32_t PlatformId() {
    static const std::uint32_t id = [] {
        OSVERSIONINFOA version{};
        version.dwOSVersionInfoSize = sizeof version;
        return GetVersionExA(&version) ? static_cast<std::uint32_t>(version.dwPlatformId) : 0u;
    }();
    return id;
}

ModuleFileNameExFunction BoundModuleFileNameEx() {
    static const ModuleFileNameExFunction function = []() -> ModuleFileNameExFunction {
        const HMODULE library = LoadLibraryA("PSAPI.dll");
        if (reinterpret_cast<std::uintptr_t>(library) < 32) return nullptr;
        return reinterpret_cast<ModuleFileNameExFunction>(
            reinterpret_cast<void*>(GetProcAddress(library, "GetModuleFileNameExA")));
    }();
    return function;
}

struct ToolHelp {
    SnapshotFunction createSnapshot = nullptr;
    ModuleWalkFunction first = nullptr;
    ModuleWalkFunction next = nullptr;
};

const ToolHelp& BoundToolHelp() {
    static const ToolHelp functions = [] {
        ToolHelp bound;
        const HMODULE kernel = GetModuleHandleA("kernel32.dll");
        if (kernel == nullptr) return bound;
        auto lookUp = [kernel](const char* name) { return reinterpret_cast<void*>(GetProcAddress(kernel, name)); };
        bound.createSnapshot = reinterpret_cast<SnapshotFunction>(lookUp("CreateToolhelp32Snapshot"));
        bound.first = reinterpret_cast<ModuleWalkFunction>(lookUp("Module32First"));
        bound.next = reinterpret_cast<ModuleWalkFunction>(lookUp("Module32Next"));
        return bound;
    }();
    return functions;
}

bool WalkStep(ModuleWalkFunction step, void* snapshot, ModuleEntryFields& fields) {
    MODULEENTRY32 entry;
    std::memset(&entry, 0, sizeof entry);
    entry.dwSize = sizeof entry;
    if (!step(static_cast<HANDLE>(snapshot), &entry)) return false;
    fields.module = entry.hModule;
    static_assert(sizeof fields.exePath == sizeof entry.szExePath, "one path field");
    std::memcpy(fields.exePath, entry.szExePath, sizeof fields.exePath);
    return true;
}

ModuleNameSource SystemSource() {
    ModuleNameSource source;
    source.platformId = PlatformId();
    if (source.platformId == PlatformWin32Nt) {
        if (const ModuleFileNameExFunction function = BoundModuleFileNameEx()) {
            source.moduleFileName = [function](void* module, char* buffer, std::uint32_t size) {
                return static_cast<std::uint32_t>(
                    function(GetCurrentProcess(), static_cast<HMODULE>(module), buffer, size));
            };
        }
        return source;
    }
    const ToolHelp& toolHelp = BoundToolHelp();
    if (!toolHelp.createSnapshot || !toolHelp.first || !toolHelp.next) return source;
    source.openSnapshot = [&toolHelp]() -> void* {
        const HANDLE snapshot = toolHelp.createSnapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
        // The function reports failure as INVALID_HANDLE_VALUE; 0 is no snapshot either.
        if (snapshot == nullptr || snapshot == INVALID_HANDLE_VALUE) return nullptr;
        return snapshot;
    };
    source.firstModule = [&toolHelp](void* snapshot, ModuleEntryFields& entry) {
        return WalkStep(toolHelp.first, snapshot, entry);
    };
    source.nextModule = [&toolHelp](void* snapshot, ModuleEntryFields& entry) {
        return WalkStep(toolHelp.next, snapshot, entry);
    };
    source.closeSnapshot = [](void* snapshot) { CloseHandle(static_cast<HANDLE>(snapshot)); };
    return source;
}

}  // namespace

std::string PluginModulePath() { return FindModulePath(SystemSource(), ThisModuleHandle()); }

char PathSeparator() { return '\\'; }
bool DriveColonEndsFolder() { return true; }

}  // namespace qs
