// Outside Windows the box is a dialog tool where there is a display, else standard error: with
// no display it cannot wait, and what it writes is kept out of the test's output.
#include "tests/boundary/QuietAboutBox.h"

#include "tests/support/posix/ProcessEnvironment.h"

namespace qs_test {

struct QuietAboutBox::Impl {
    ScopedEnvironmentVariable noDisplay{"DISPLAY", std::nullopt};
    StandardErrorCapture standardError;
};

QuietAboutBox::QuietAboutBox(host::PluginLibrary&) : impl_(new Impl) {}
QuietAboutBox::~QuietAboutBox() = default;
bool QuietAboutBox::Ready() const { return true; }

}  // namespace qs_test
