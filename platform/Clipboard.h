// Putting text on the system clipboard.
#pragma once
#include <string>

namespace qs {
// Puts the 8-bit text on the clipboard as plain text; true when the clipboard accepted it.
bool CopyToClipboard(const std::string& text);
}
