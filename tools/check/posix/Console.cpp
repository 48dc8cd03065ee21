// Paths and terminals are UTF-8 here.
#include "tools/check/Console.h"

namespace qs::check {

std::string SystemTextToUtf8(const std::string& text) { return text; }

void PrepareConsoleForUtf8() {}

}  // namespace qs::check
