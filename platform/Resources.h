// Texts of the library's own string table.
#pragma once
#include <string>

namespace qs {

// The text of string-table entry `id` of this library; empty when there is no such entry.
std::string LoadStringResource(unsigned id);

}  // namespace qs
