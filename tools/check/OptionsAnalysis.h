// The options in force after each configuration file, where each came from, and the option
// values that do not do what they seem to.
#pragma once
#include <vector>

#include "tools/check/CheckContext.h"
#include "tools/check/LoadRecord.h"

namespace qs::check {

std::vector<OptionsAfterFile> AnalyzeOptions(const LoadRecord& record, const CheckContext& context, Findings& findings);

// The origin of one option's value after a file, by its key ("ENCODE").
const Origin& OptionOrigin(const OptionsAfterFile& options, const std::string& key);

}  // namespace qs::check
