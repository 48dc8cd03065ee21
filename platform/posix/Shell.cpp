// Opening an address: $BROWSER when set, else xdg-open, with the address as one argument.
#include "platform/Shell.h"

#include <cstdlib>

#include "platform/posix/ChildProcess.h"

namespace qs {

void OpenAddress(const std::string& address) {
    const char* browser = std::getenv("BROWSER");
    std::string program = FindProgram(browser && *browser ? browser : "xdg-open");
    if (!program.empty()) StartDetached(program, {address});
}

}  // namespace qs
