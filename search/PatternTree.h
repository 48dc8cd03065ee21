// The structure of a translated pattern: alternatives made of items, the bytes each item
// matches, and how often it repeats. Read back from the PCRE2 text that TranslatePattern
// writes, for reasoning about what matching it costs.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "search/CharacterTables.h"

namespace qs::pattern {

// A set of byte values.
class ByteSet {
public:
    void Set(unsigned byte) { words_[byte / 64] |= std::uint64_t{1} << (byte % 64); }
    bool Test(unsigned byte) const { return (words_[byte / 64] >> (byte % 64)) & 1; }
    void SetAll() {
        for (std::uint64_t& word : words_) word = ~std::uint64_t{0};
    }
    // From a bitmap of 32 bytes, byte c / 8 holding c in bit c % 8 (as PCRE2's class tables).
    static ByteSet FromBitmap(const std::uint8_t* bitmap) {
        ByteSet set;
        for (unsigned byte = 0; byte < 32; ++byte) set.words_[byte / 8] |= std::uint64_t{bitmap[byte]} << (byte % 8 * 8);
        return set;
    }
    ByteSet& operator|=(const ByteSet& other) {
        for (int i = 0; i < 4; ++i) words_[i] |= other.words_[i];
        return *this;
    }
    ByteSet operator~() const {
        ByteSet set;
        for (int i = 0; i < 4; ++i) set.words_[i] = ~words_[i];
        return set;
    }
    bool SharesAnyWith(const ByteSet& other) const {
        for (int i = 0; i < 4; ++i) {
            if (words_[i] & other.words_[i]) return true;
        }
        return false;
    }
    // The smallest byte in the set; 256 for an empty set.
    unsigned Lowest() const {
        for (unsigned i = 0; i < 4; ++i) {
            if (words_[i] != 0) return i * 64 + static_cast<unsigned>(__builtin_ctzll(words_[i]));
        }
        return 256;
    }
    unsigned Count() const {
        unsigned count = 0;
        for (std::uint64_t word : words_) {
            for (; word != 0; word &= word - 1) ++count;
        }
        return count;
    }

private:
    std::uint64_t words_[4] = {};
};

enum class ItemKind {
    Bytes,          // one byte of a set: a literal, a class, the dot, \d and the like
    WordBoundary,   // \b or \B
    TextStart,      // \A
    TextEnd,        // \z
    LineAnchor,     // ^ or $ under (?m): a group of look-arounds that matches no byte
    CaseOption,     // (?i) or (?-i)
    BackReference,  // \g{n}
    Group,          // a capturing group
};

struct Alternative;

struct Item {
    ItemKind kind = ItemKind::Bytes;
    ByteSet bytes;                          // Bytes: every byte it may match, with (?i) applied
    int group = 0;                          // BackReference: the group it repeats; Group: its number
    std::vector<Alternative> alternatives;  // Group
    unsigned long minimum = 1;
    unsigned long maximum = 1;
    bool unbounded = false;

    // More than one count of repeats is possible: backtracking can try each.
    bool VariableCount() const { return unbounded || maximum != minimum; }
};

struct Alternative {
    std::vector<Item> items;
};

// The top-level alternatives; nothing for anything TranslatePattern does not write.
// `tables`: those the pattern is compiled with (its classes and letter case).
std::optional<std::vector<Alternative>> ReadTranslatedPattern(const std::string& pcre2Pattern,
                                                              const CharacterTables& tables);

}  // namespace qs::pattern
