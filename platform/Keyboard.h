// The keyboard layout's services that key names come from.
#pragma once
#include <cstdint>
#include <string>

namespace qs {

// The scan code that the current keyboard layout gives a virtual-key code (0: the key has none).
std::uint32_t ScanCodeOfVirtualKey(std::uint32_t virtualKey);

// The name of the key that a key-message parameter describes (scan code in bits 16-23,
// extended-key flag in bit 24): at most 255 characters, empty when the key has no name.
std::string KeyNameText(std::uint32_t keyMessageParameter);

}  // namespace qs
