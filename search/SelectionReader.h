// Reading the host's current selection.
#pragma once
#include <cstdint>
#include <string>

namespace qs {

// The selection's text, for a length above 0 that the host reported. The buffer handed to
// the host holds length + 1 bytes, is cleared first, and is read no further than its end;
// it becomes the returned text, cut at its first zero byte, and is released with it, within
// the calling export. Throws std::bad_alloc for a length memory cannot hold.
std::string ReadSelection(std::int32_t length);

}  // namespace qs
