// Command lines are UTF-8 here. An argument that is not UTF-8 is taken as the bytes it is, so
// that a script can hand over Windows-1252 bytes directly.
#include "tools/cli/ArgumentText.h"

namespace qs::cli {

std::optional<std::string> ArgumentToCp1252(const std::string& argument, std::string* error) {
    if (!IsUtf8(argument)) return argument;
    return Utf8ToCp1252(argument, error);
}

}  // namespace qs::cli
