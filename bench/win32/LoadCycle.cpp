// Loads a plug-in library, calls its Init and unloads it, many times, and prints what that
// costs: the time of the first cycle and of the others on average, and the process's working
// set and private memory before the first load, while the library is loaded after Init, and
// after the last unload.
//   usage: Tidewire2.exe LIBRARY CYCLES [--no-init]
#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using InitFunction = void(__stdcall*)(std::int32_t, std::int32_t);

struct Memory {
    double workingSetKiB;
    double privateKiB;
};

// Committed private memory as the process's own address space shows it, region by region.
// (Under Wine on an emulated CPU the process's counters also hold the emulator's memory.)
double CommittedPrivateKiB() {
    double total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* address = nullptr;
         VirtualQuery(address, &region, sizeof region) == sizeof region && region.RegionSize != 0;) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += static_cast<double>(region.RegionSize);
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return total / 1024.0;
}

Memory ProcessMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return {counters.WorkingSetSize / 1024.0, CommittedPrivateKiB()};
}

double Seconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool callInit = true;

// Load, Init, unload; false when the library does not load or has no Init.
bool Cycle(const char* path, Memory* loaded) {
    HMODULE module = LoadLibraryA(path);
    if (module == nullptr) return false;
    const auto init = reinterpret_cast<InitFunction>(reinterpret_cast<void*>(GetProcAddress(module, "Init")));
    if (init != nullptr && callInit) init(0, 0);
    if (loaded != nullptr) *loaded = ProcessMemory();
    FreeLibrary(module);
    return init != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s LIBRARY CYCLES [--no-init]\n", argv[0]);
        return 2;
    }
    callInit = argc < 4 || std::strcmp(argv[3], "--no-init") != 0;
    const char* path = argv[1];
    const long cycles = std::strtol(argv[2], nullptr, 10);
    if (cycles < 2) return 2;

    // A desktop host has the user-interface and shell libraries loaded long before it loads
    // a plug-in; without them here, every cycle would load and unload them with the plug-in.
    LoadLibraryA("user32.dll");
    LoadLibraryA("shell32.dll");

    const Memory before = ProcessMemory();
    Memory loaded{};
    double start = Seconds();
    if (!Cycle(path, &loaded)) {
        std::fprintf(stderr, "cannot load %s or find its Init (error %lu)\n", path, GetLastError());
        return 1;
    }
    const double first = Seconds() - start;
    start = Seconds();
    for (long i = 1; i < cycles; ++i) Cycle(path, nullptr);
    const double rest = (Seconds() - start) / static_cast<double>(cycles - 1);
    const Memory after = ProcessMemory();

    std::printf("cycles %ld\nfirst_us %.1f\ncycle_us %.1f\n", cycles, first * 1e6, rest * 1e6);
    std::printf("working_set_before_kib %.0f\nworking_set_loaded_kib %.0f\nworking_set_after_kib %.0f\n",
                before.workingSetKiB, loaded.workingSetKiB, after.workingSetKiB);
    std::printf("private_before_kib %.0f\nprivate_loaded_kib %.0f\nprivate_after_kib %.0f\n", before.privateKiB,
                loaded.privateKiB, after.privateKiB);
    return 0;
}
