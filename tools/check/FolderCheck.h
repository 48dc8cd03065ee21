// The check of one plug-in folder: the plug-in's own load, run once per language, and every
// rule over what it read.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "tools/check/CheckReport.h"

namespace qs::check {

struct CheckRequest {
    std::string folder;
    // Language codes as a host reports them (at most two letters); none: every language the
    // files name, and fr.
    std::vector<std::string> languages;
    // The selection to try each entry with, in the configuration's code page.
    std::optional<std::string> selection;
};

CheckReport CheckFolder(const CheckRequest& request);

}  // namespace qs::check
