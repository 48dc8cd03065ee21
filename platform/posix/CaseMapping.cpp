// Letter case of Windows-1252, as the system's ANSI rules give it on a Western Windows.
#include "platform/CaseMapping.h"

namespace qs {

namespace {
bool IsUpper(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) || byte == 0x8A ||
           byte == 0x8C || byte == 0x8E || byte == 0x9F;
}
bool IsLower(unsigned char byte) {
    return (byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) || byte == 0x9A ||
           byte == 0x9C || byte == 0x9E || byte == 0xFF;
}
}  // namespace

unsigned char UpperByte(unsigned char byte) {
    if (!IsLower(byte)) return byte;
    if (byte == 0xFF) return 0x9F;
    if (byte >= 0x9A && byte <= 0x9E) return static_cast<unsigned char>(byte - 0x10);
    return static_cast<unsigned char>(byte - 0x20);
}

unsigned char LowerByte(unsigned char byte) {
    if (!IsUpper(byte)) return byte;
    if (byte == 0x9F) return 0xFF;
    if (byte >= 0x8A && byte <= 0x8E) return static_cast<unsigned char>(byte + 0x10);
    return static_cast<unsigned char>(byte + 0x20);
}

void LowerInPlace(std::string& text) {
    for (char& c : text) c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
}

}  // namespace qs
