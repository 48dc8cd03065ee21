// Facts about the system's ANSI code page that text handling needs.
#pragma once

namespace qs {

// True when the byte starts a double-byte character of the system code page, so that the
// byte after it is that character's second half and not a character of its own.
bool IsLeadByte(unsigned char byte);

}  // namespace qs
