// Entry point for process attach and detach. The runtime constructs and destroys the module
// state around it; threads that start or end in the host run none of the plug-in's code.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    return TRUE;
}
