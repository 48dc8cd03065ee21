// Entry point for process attach and detach. The runtime constructs and destroys the module
// state around it; threads that start or end in the host run none of the plug-in's code.
#include <windows.h>

#include "platform/win32/ThreadLibraryRelease.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    // Unloaded by the host (at the end of the process, reserved is not null: nothing to give back).
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) qs::ReleaseThreadLibrary(instance);
    return TRUE;
}
