// Windows: the process's handle count and its private bytes (PrivateUsage). Where the system
// answers 0 for either (Wine does: both are stubs there), the figure is found by hand: every
// handle value is tried, and the committed private regions of the address space are summed,
// which is what PrivateUsage counts.
#include "tests/soak/ProcessUsage.h"

#include <windows.h>
#include <psapi.h>

namespace qs_soak {

namespace {

// Handle values are multiples of four; a process of ours holds far fewer than this many.
constexpr ULONG_PTR LargestHandleTried = 1 << 18;

std::int64_t CountHandlesByTrying() {
    std::int64_t count = 0;
    for (ULONG_PTR value = 4; value <= LargestHandleTried; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

std::int64_t SumPrivateCommittedRegions() {
    std::int64_t bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr; VirtualQuery(address, &region, sizeof region) == sizeof region;) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += static_cast<std::int64_t>(region.RegionSize);
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return bytes;
}

}  // namespace

ProcessUsage SampleProcessUsage() {
    ProcessUsage usage;
    DWORD handles = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &handles) && handles > 0) {
        usage.handles = handles;
        usage.handleSource = "GetProcessHandleCount";
    } else {
        usage.handles = CountHandlesByTrying();
        usage.handleSource = "every handle value tried";
    }
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters) &&
        counters.PrivateUsage > 0) {
        usage.privateBytes = static_cast<std::int64_t>(counters.PrivateUsage);
        usage.memorySource = "PrivateUsage";
    } else {
        usage.privateBytes = SumPrivateCommittedRegions();
        usage.memorySource = "committed private regions";
    }
    return usage;
}

}  // namespace qs_soak
