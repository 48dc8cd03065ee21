// How Windows finds the path of a loaded module: GetModuleFileNameExA on the NT family,
// the ToolHelp module list on the others. The system functions come in through a table, so
// that both ways can run against a scripted system as well as the real one.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace qs {

constexpr std::uint32_t PlatformWin32Nt = 2;  // VER_PLATFORM_WIN32_NT
constexpr std::uint32_t ModuleNameFirstBufferSize = 260;
// No path is longer than 32767 characters; a source that keeps filling larger buffers is broken.
constexpr std::uint32_t ModuleNameLargestBufferSize = 65536;
constexpr std::size_t ModuleEntryPathSize = 260;

// The fields of one ToolHelp module entry that the search reads.
struct ModuleEntryFields {
    void* module = nullptr;
    char exePath[ModuleEntryPathSize] = {};
};

struct ModuleNameSource {
    // The system's platform identifier (GetVersionExA).
    std::uint32_t platformId = 0;
    // GetModuleFileNameExA for the current process: characters written, 0 on failure.
    // Empty when the function could not be bound.
    std::function<std::uint32_t(void* module, char* buffer, std::uint32_t size)> moduleFileName;
    // CreateToolhelp32Snapshot for the modules of the current process: null on failure.
    std::function<void*()> openSnapshot;
    // Module32First / Module32Next: true while an entry was delivered.
    std::function<bool(void* snapshot, ModuleEntryFields& entry)> firstModule;
    std::function<bool(void* snapshot, ModuleEntryFields& entry)> nextModule;
    std::function<void(void* snapshot)> closeSnapshot;
};

// The path of module, or empty text on any failure (a missing function among them).
std::string FindModulePath(const ModuleNameSource& source, void* module);

}  // namespace qs
