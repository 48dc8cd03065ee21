// Opening an address with the user's default handler (for a web address, the browser).
#pragma once
#include <string>

namespace qs {
// Hands the address to the system; whether a handler could open it is not known.
void OpenAddress(const std::string& address);
}
