// Windows-1252 has no double-byte characters; its bytes 0x80-0x9F and their UTF-16 units.
#include "platform/CodePage.h"

#include "platform/posix/CodePage1252.h"

namespace qs {

namespace {
// Bytes 0x80-0x9F; the rest of the code page maps to the unit of the same number.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
}  // namespace

bool IsLeadByte(unsigned char) { return false; }

char16_t UnitFrom1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

unsigned char UnitTo1252(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<unsigned char>(unit);
    for (unsigned i = 0; i < 32; ++i) {
        if (kHighControls[i] == unit) return static_cast<unsigned char>(0x80 + i);
    }
    const int bestFit = BestFit1252(unit);
    return bestFit < 0 ? '?' : static_cast<unsigned char>(bestFit);
}

std::u16string Widen1252(const char* bytes, std::size_t count) {
    std::u16string units(count, u'\0');
    for (std::size_t i = 0; i < count; ++i) units[i] = UnitFrom1252(static_cast<unsigned char>(bytes[i]));
    return units;
}

std::string Narrow1252(const char16_t* units, std::size_t count) {
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>(UnitTo1252(units[i]));
    return bytes;
}

}  // namespace qs
