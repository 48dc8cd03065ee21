// The module handle of this library, from the image base the linker records.
#include "platform/ModuleHandle.h"

#include <windows.h>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace qs {
void* ThisModuleHandle() { return &__ImageBase; }
}
