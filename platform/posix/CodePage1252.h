// Windows-1252, the ANSI code page the POSIX stand-ins take, to and from UTF-16 code units
// the way the system's conversion functions do it: the five bytes the code page leaves
// undefined map to the control characters of the same number, and a unit that has no byte
// becomes its best fit or "?".
#pragma once
#include <string>

namespace qs {

char16_t UnitFrom1252(unsigned char byte);
unsigned char UnitTo1252(char16_t unit);

// The byte that stands in for a unit the code page lacks; -1 when none does.
int BestFit1252(char16_t unit);

std::u16string Widen1252(const char* bytes, std::size_t count);
std::string Narrow1252(const char16_t* units, std::size_t count);

}  // namespace qs
