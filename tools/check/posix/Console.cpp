// Paths and terminals are UTF-8 here.
#include "tools/check/Console.h"

namespace qs::check {

std::string SystemTextToUtf8(const std::string& text) { return text; }

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

}  // namespace qs::check
