// The module handle a loaded library has of itself: its base address.
#pragma once
#include <cstdint>

namespace qs_test {
// The base address of the module that contains `address`; 0 when there is none.
std::int64_t ModuleBaseOf(const void* address);
}
