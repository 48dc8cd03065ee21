// Windows hands a program its command line in the ANSI code page, the plug-in's own.
#include "tools/cli/ArgumentText.h"

namespace qs::cli {

std::optional<std::string> ArgumentToCp1252(const std::string& argument, std::string*) { return argument; }

}  // namespace qs::cli
