// Windows: the library's shell and clipboard imports go to the test host's recorder.
#include "tests/soak/QuietDesktop.h"

#include "host/DesktopRecorder.h"

namespace qs_soak {

struct QuietDesktop::Impl {
    explicit Impl(host::PluginLibrary& library) : recorder(library) {}
    host::DesktopRecorder recorder;
};

QuietDesktop::QuietDesktop(host::PluginLibrary& library) : impl_(new Impl(library)) {}
QuietDesktop::~QuietDesktop() = default;

std::int64_t QuietDesktop::AddressesOpened() {
    return static_cast<std::int64_t>(impl_->recorder.ShellCalls().size());
}

}  // namespace qs_soak
