// Key names through MapVirtualKeyA and GetKeyNameTextA.
#include "platform/Keyboard.h"

#include <windows.h>

namespace qs {

std::uint32_t ScanCodeOfVirtualKey(std::uint32_t virtualKey) { return MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC); }

std::string KeyNameText(std::uint32_t keyMessageParameter) {
    char buffer[256] = {};
    GetKeyNameTextA(static_cast<LONG>(keyMessageParameter), buffer, sizeof buffer);
    // Whatever the call reports, the name ends at the first zero byte of the buffer.
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

}  // namespace qs
