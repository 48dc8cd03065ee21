// The checker's output goes out in UTF-8. Texts of the configuration are Windows-1252; paths
// are in the system's own encoding, which this converts.
#pragma once
#include <string>

namespace qs::check {

// A path or other text the system gave, as UTF-8.
std::string SystemTextToUtf8(const std::string& text);

// While it lives, a console shows UTF-8 output as such (Windows consoles use an OEM code
// page); the console's own code page comes back afterwards.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    unsigned previous_ = 0;
};

}  // namespace qs::check
