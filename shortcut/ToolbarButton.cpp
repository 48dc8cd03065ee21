// The toolbar button.
#include "shortcut/ToolbarButton.h"

#include <cstring>

#include "plugin/PluginBase.h"

namespace qs {

bool DescribeToolbarButton(std::int32_t place, std::int32_t* iconNumber, char* bitmapFileName,
                           std::int32_t* position, std::int32_t* entryCount) {
    if (place != 2) {
        *iconNumber = 0;
        return false;
    }
    *position = 100;
    *iconNumber = -1;
    std::memcpy(bitmapFileName, "Quickseek.bmp", sizeof "Quickseek.bmp");
    *entryCount = State().EntryCount;
    return true;
}

}  // namespace qs
