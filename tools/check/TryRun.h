// What the menu and a pick of each entry do with a given selection, through the plug-in's own
// menu code and the steps of its search run, without opening or copying anything.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "tools/check/CheckReport.h"

namespace qs::check {

// The plug-in's module state must hold the loaded configuration; selection in the
// configuration's code page (none: nothing selected).
std::vector<TryItem> TryEntries(const std::optional<std::string>& selection);

// What the checker's stand-in for the host reports as the selection.
void SetHostSelection(const std::optional<std::string>& selection);

}  // namespace qs::check
