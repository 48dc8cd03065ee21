// The load run by Init: options and search entries from the two configuration files.
#pragma once

namespace qs {
void Load();
}
