// A modal message box: owned by no window, one OK button, no icon.
#pragma once
#include <string>

namespace qs {

// Shows the 8-bit ANSI (Windows-1252) text under the caption and returns once the user has
// closed the box.
// Outside Windows: zenity, kdialog or xmessage, the first found, when DISPLAY is set; else
// the caption, a line feed, the text and a line feed, unchanged, on standard error.
void ShowMessageBox(const std::string& text, const std::string& caption);

}  // namespace qs
