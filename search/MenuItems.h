// The sub-menu items the host asks for with DefinirUnSousMenu.
#pragma once
#include <cstdint>

#include "plugin/Boundary.h"

namespace qs {
// Writes the item's state and caption; true when the item exists.
bool DescribeMenuItem(std::int32_t index, QsBool* enabled, QsBool* visible, char* caption);
}
