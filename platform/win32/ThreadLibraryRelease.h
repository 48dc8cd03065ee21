// Gives back what the thread library linked into the DLL took from the host process.
#pragma once
#include <windows.h>

namespace qs {

// At unload, on the unloading thread: its thread record (two handles) and the library's
// thread-local storage slot. Only when the host unloads the library, not at process end.
void ReleaseThreadLibrary(HINSTANCE instance);

}  // namespace qs
