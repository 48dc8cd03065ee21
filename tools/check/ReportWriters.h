// The check's report as text for people and as JSON for tools, both in UTF-8: the
// configuration's Windows-1252 texts are converted on the way out.
#pragma once
#include <string>

#include "tools/check/CheckReport.h"

namespace qs::check {

std::string WriteText(const CheckReport& report);
std::string WriteJson(const CheckReport& report);

}  // namespace qs::check
