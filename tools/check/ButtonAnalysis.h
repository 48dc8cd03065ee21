// The toolbar button sections. The plug-in reads them from the one configuration file named
// last: Quickseek_MY.ini when Init ran after the host asked for the plug-in's name,
// Quickseek.ini when the name was asked for later. Only keys that both files give alike
// hold whatever the host's order.
#pragma once
#include <vector>

#include "tools/check/CheckContext.h"

namespace qs::check {

std::vector<ButtonSection> AnalyzeButtons(const CheckContext& context, Findings& findings);

}  // namespace qs::check
