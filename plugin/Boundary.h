// Calling rules of the plug-in boundary, shared by the plug-in and the test host.
// Windows: standard calling convention (the callee removes its arguments); the export
// names and ordinals come from Quickseek.def. Elsewhere: plain C linkage, default visibility.
#pragma once
#include <cstdint>

#if defined(_WIN32)
#define QS_STDCALL __stdcall
#define QS_EXPORT extern "C"
#else
#define QS_STDCALL
#define QS_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// A boolean crosses the boundary as one byte, 1 or 0.
using QsBool = std::uint8_t;
constexpr QsBool QsTrue = 1;
constexpr QsBool QsFalse = 0;
inline QsBool ToQsBool(bool value) { return value ? QsTrue : QsFalse; }
