// Shortcut texts as the configuration may hold them. A text the parser reads gives a code
// whose own text reads back as the same code.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shortcut/MyShortcut.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // Cutting a prefix removes exactly that many bytes, or nothing.
    std::string rest = text;
    const std::string prefix = text.substr(0, size / 2);
    if (qs::CutPrefix(rest, prefix) ? rest != text.substr(prefix.size()) : rest != text) std::abort();

    const qs::TShortcutCode code = qs::ParseShortcut(text);
    if (code == 0) return 0;
    const std::string written = qs::FormatShortcut(code);
    if (written.empty() || qs::ParseShortcut(written) != code) std::abort();
    return 0;
}
