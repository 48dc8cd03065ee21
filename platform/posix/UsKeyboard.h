// The tables of a US keyboard layout.
#pragma once
#include <cstdint>

namespace qs {

// Scan code of each virtual-key code 0-255, as MapVirtualKeyA (map type 0) answers; 0: none.
extern const std::uint8_t UsScanCodes[256];

struct UsKeyName {
    unsigned scanCode;
    const char* name;
};
// The name of each non-extended key that has one, by scan code.
extern const UsKeyName UsKeyNames[];
extern const unsigned UsKeyNameCount;

}  // namespace qs
