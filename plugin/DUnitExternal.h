// The six functions that the host executable Tidewire2.exe exports for its plug-ins.
// Windows: imported by name from "Tidewire2.exe" (import library made from Tidewire2.def;
// the host's "Beep" is called HostBeep here, kernel32 has a Beep of its own).
// Elsewhere: resolved from the host executable when the plug-in is loaded.
#pragma once
#include <cstdint>

#include "plugin/Boundary.h"

#if defined(_WIN32)
// Plain declarations: the plug-in binds them to the import library's thunks, a program that
// plays the host defines them itself.
#define QS_HOST_FUNCTION extern "C"
#else
#define QS_HOST_FUNCTION extern "C" __attribute__((visibility("default")))
#endif

// Number of 8-bit characters in the current selection; 0 or less: nothing selected.
QS_HOST_FUNCTION std::int32_t QS_STDCALL LgTexteSelectionne();
// Writes the selection and a zero into *buffer (length + 1 bytes); leaves *buffer unchanged.
QS_HOST_FUNCTION void QS_STDCALL TexteSelectionne(std::int32_t alwaysZero, char** buffer);
// An audible signal.
#if defined(_WIN32)
QS_HOST_FUNCTION void QS_STDCALL HostBeep();
#else
QS_HOST_FUNCTION void QS_STDCALL HostBeep() __asm__("Beep");
#endif
// Registers a shortcut code (low 16 bits) for the plug-in whose module handle is given.
QS_HOST_FUNCTION std::int32_t QS_STDCALL GestionRaccourciPlugin(void* module, std::int32_t alwaysOne,
                                                                std::uint32_t shortcutCode);
// Writes the interface language as two letters and a zero, or only a zero (3 bytes).
QS_HOST_FUNCTION void QS_STDCALL CodeLangue(char* buffer);
// Writes major<<16|minor, then release<<16|build.
QS_HOST_FUNCTION void QS_STDCALL Version(std::uint32_t* words);
