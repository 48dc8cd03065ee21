// Lead bytes of the system code page, from the system.
#include "platform/CodePage.h"

#include <windows.h>

namespace qs {

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace qs
