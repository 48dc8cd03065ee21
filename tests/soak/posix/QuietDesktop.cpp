// Outside Windows the plug-in looks for a browser ($BROWSER) and for clipboard tools in PATH;
// names that lead nowhere make it start nothing, without a process per click.
#include "tests/soak/QuietDesktop.h"

#include "tests/support/posix/ProcessEnvironment.h"

namespace qs_soak {

struct QuietDesktop::Impl {
    qs_test::ScopedEnvironmentVariable browser{"BROWSER", std::string("/nonexistent/quickseek-soak-browser")};
    qs_test::ScopedEnvironmentVariable path{"PATH", std::string("/nonexistent/quickseek-soak")};
};

QuietDesktop::QuietDesktop(host::PluginLibrary&) : impl_(new Impl) {}
QuietDesktop::~QuietDesktop() = default;

std::int64_t QuietDesktop::AddressesOpened() { return -1; }

}  // namespace qs_soak
