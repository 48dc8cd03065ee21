// Lets a test call ShowInformation where nobody is there to close the box: while it lives, the
// loaded library's about box returns at once instead of waiting for a user.
#pragma once
#include <memory>

namespace host {
class PluginLibrary;
}

namespace qs_test {

class QuietAboutBox {
public:
    // The library must stay loaded for as long as this lives.
    explicit QuietAboutBox(host::PluginLibrary& library);
    ~QuietAboutBox();
    QuietAboutBox(const QuietAboutBox&) = delete;
    QuietAboutBox& operator=(const QuietAboutBox&) = delete;

    // False when the box could not be kept from waiting: the test must not show it then.
    bool Ready() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace qs_test
