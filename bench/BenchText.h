// Selections for the benchmarks: made-up prose of the given length, the same on every run.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace qs_bench {

// Words of Latin letters with some Windows-1252 accented letters, separated by spaces and
// now and then a line break; never contains `avoid` (used to make a search fail everywhere).
inline std::string Prose(std::size_t length) {
    static const char* const kWords[] = {"the", "quick", "search", "selection", "r\xE9sum\xE9", "caf\xE9",
                                         "pattern", "filter", "address", "na\xEFve", "entry", "menu",
                                         "2023", "host", "plug", "in", "\xE9l\xE8ve", "query"};
    std::string text;
    text.reserve(length + 16);
    std::uint32_t state = 12345;
    while (text.size() < length) {
        state = state * 1103515245u + 12345u;
        text += kWords[(state >> 16) % (sizeof kWords / sizeof kWords[0])];
        text += ((state >> 8) % 23 == 0) ? '\n' : ' ';
    }
    text.resize(length);
    return text;
}

}  // namespace qs_bench
