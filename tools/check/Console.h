// The checker's output goes out in UTF-8. Texts of the configuration are Windows-1252; paths
// are in the system's own encoding, which this converts.
#pragma once
#include <string>

namespace qs::check {

// A path or other text the system gave, as UTF-8.
std::string SystemTextToUtf8(const std::string& text);

// Makes a console show UTF-8 output as such (Windows consoles use an OEM code page).
void PrepareConsoleForUtf8();

}  // namespace qs::check
