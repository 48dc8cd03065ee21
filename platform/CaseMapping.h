// Letter case of single bytes by the system's ANSI rules (Windows-1252 outside Windows).
#pragma once
#include <string>

namespace qs {

unsigned char UpperByte(unsigned char byte);
unsigned char LowerByte(unsigned char byte);
// Lower-cases the text in place, byte by byte.
void LowerInPlace(std::string& text);

}  // namespace qs
