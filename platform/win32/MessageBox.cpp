// The message box of the Windows user interface.
#include "platform/MessageBox.h"

#include <windows.h>

namespace qs {

void ShowMessageBox(const std::string& text, const std::string& caption) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
}

}  // namespace qs
