// Whether the host is recent enough for this plug-in.
#pragma once
#include <cstdint>

namespace qs {

// The oldest host version supported, as 1000 * major + 100 * minor + 10 * release + build.
constexpr std::int32_t OldestSupportedHostVersion = 1802;

// Asks the host for its version on every call. The parts are weighted, not compared one by
// one, so a part above 9 spills into the next weight (1.7.10.2 counts as 1802).
bool IsHostVersionSupported();

}  // namespace qs
