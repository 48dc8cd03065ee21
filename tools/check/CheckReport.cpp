// Counting the problems of a report.
#include "tools/check/CheckReport.h"

#include <algorithm>

namespace qs::check {

std::size_t CheckReport::Count(Severity severity) const {
    return static_cast<std::size_t>(std::count_if(diagnostics.begin(), diagnostics.end(),
                                                  [&](const Diagnostic& d) { return d.severity == severity; }));
}

int CheckReport::ExitCode() const {
    if (!fatal.empty() || Count(Severity::Error) > 0) return 2;
    return Count(Severity::Warning) > 0 ? 1 : 0;
}

}  // namespace qs::check
