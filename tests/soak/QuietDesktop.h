// Keeps a loaded plug-in's searches off the real desktop: no browser opens, nothing reaches
// the clipboard. Made after each load, gone before the unload.
#pragma once
#include <cstdint>
#include <memory>

namespace host {
class PluginLibrary;
}

namespace qs_soak {

class QuietDesktop {
public:
    explicit QuietDesktop(host::PluginLibrary& library);
    ~QuietDesktop();
    QuietDesktop(const QuietDesktop&) = delete;
    QuietDesktop& operator=(const QuietDesktop&) = delete;

    // The addresses handed to the shell meanwhile; -1 where they are not seen.
    std::int64_t AddressesOpened();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace qs_soak
