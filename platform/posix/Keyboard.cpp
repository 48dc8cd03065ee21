// Key names of a US keyboard, as Windows names them: the layout's scan codes for the virtual
// keys, and the names of the (non-extended) keys by scan code.
#include "platform/Keyboard.h"

#include "platform/posix/UsKeyboard.h"

namespace qs {

std::uint32_t ScanCodeOfVirtualKey(std::uint32_t virtualKey) {
    return virtualKey < 256 ? UsScanCodes[virtualKey] : 0;
}

std::string KeyNameText(std::uint32_t keyMessageParameter) {
    const unsigned scanCode = (keyMessageParameter >> 16) & 0xFFu;
    // The plug-in never asks for an extended key; the stand-in knows none.
    if (keyMessageParameter & 0x01000000u) return {};
    for (unsigned i = 0; i < UsKeyNameCount; ++i)
        if (UsKeyNames[i].scanCode == scanCode) return UsKeyNames[i].name;
    return {};
}

}  // namespace qs
