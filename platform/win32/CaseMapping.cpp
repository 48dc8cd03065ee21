// Letter case through CharUpperA / CharLowerA / CharLowerBuffA.
#include "platform/CaseMapping.h"

#include <windows.h>

#include <cstdint>

namespace qs {

// Given a character in the low word of the pointer (high word zero), CharUpperA and
// CharLowerA convert that one character and return it the same way.
unsigned char UpperByte(unsigned char byte) {
    return static_cast<unsigned char>(reinterpret_cast<std::uintptr_t>(
        CharUpperA(reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(byte)))));
}

unsigned char LowerByte(unsigned char byte) {
    return static_cast<unsigned char>(reinterpret_cast<std::uintptr_t>(
        CharLowerA(reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(byte)))));
}

void LowerInPlace(std::string& text) {
    if (!text.empty()) CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
}

}  // namespace qs
