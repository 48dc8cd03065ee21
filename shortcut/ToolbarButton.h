// The toolbar button the host asks for, place by place.
#pragma once
#include <cstdint>

namespace qs {
// True when a button is wanted at the place; writes the out-arguments as documented.
bool DescribeToolbarButton(std::int32_t place, std::int32_t* iconNumber, char* bitmapFileName,
                           std::int32_t* position, std::int32_t* entryCount);
}
