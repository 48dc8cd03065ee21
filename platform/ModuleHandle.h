// The plug-in library's own module handle.
#pragma once

namespace qs {
// Windows: the instance handle of this library. Elsewhere: the base address it is loaded at.
void* ThisModuleHandle();
}
