// Opening an address through the shell: no owner window, the default verb, no parameters.
#include "platform/Shell.h"

#include <windows.h>
#include <shellapi.h>

namespace qs {

void OpenAddress(const std::string& address) {
    ShellExecuteA(nullptr, nullptr, address.c_str(), "", "", SW_SHOWNOACTIVATE);
}

}  // namespace qs
