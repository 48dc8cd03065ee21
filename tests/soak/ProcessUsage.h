// What this process holds of the system: its open handles and its private memory.
#pragma once
#include <cstdint>

namespace qs_soak {

struct ProcessUsage {
    std::int64_t handles = -1;       // open handles (Windows) or file descriptors
    std::int64_t privateBytes = -1;  // memory committed for this process alone
    // Where each figure came from, for the report.
    const char* handleSource = "";
    const char* memorySource = "";
};

ProcessUsage SampleProcessUsage();

}  // namespace qs_soak
