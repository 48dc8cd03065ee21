// The hostile pattern corpus (tests/data/patterns/hostile.txt): patterns that make a
// backtracking matcher explode, each with the text that makes it do so, at any length.
#pragma once
#include <cstddef>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace qs_bench {

struct HostileCase {
    std::string pattern;
    std::string filler;
    std::string tail;

    // The filler repeated, then the tail, `length` bytes in all.
    std::string Text(std::size_t length) const {
        std::string text;
        text.reserve(length);
        while (text.size() + tail.size() < length) text += filler;
        text.resize(length > tail.size() ? length - tail.size() : 0);
        return text + tail;
    }
};

namespace detail {

inline int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// \t \n \r \\ and \xHH in a filler or tail.
inline std::string Unescape(const std::string& field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            bytes += field[i];
            continue;
        }
        const char letter = field[++i];
        if (letter == 't') bytes += '\t';
        else if (letter == 'n') bytes += '\n';
        else if (letter == 'r') bytes += '\r';
        else if (letter == 'x' && i + 2 < field.size() && HexDigit(field[i + 1]) >= 0 && HexDigit(field[i + 2]) >= 0) {
            bytes += static_cast<char>(HexDigit(field[i + 1]) * 16 + HexDigit(field[i + 2]));
            i += 2;
        } else bytes += letter;
    }
    return bytes;
}

}  // namespace detail

inline std::vector<HostileCase> ReadHostileCorpus(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<HostileCase> cases;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos) throw std::runtime_error("malformed line in " + path + ": " + line);
        cases.push_back({line.substr(0, first), detail::Unescape(line.substr(first + 1, second - first - 1)),
                         detail::Unescape(line.substr(second + 1))});
    }
    return cases;
}

}  // namespace qs_bench
