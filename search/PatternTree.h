// The structure of a translated pattern: alternatives made of items, the bytes each item
// matches, and how often it repeats. Read back from the PCRE2 text that TranslatePattern
// writes, for reasoning about what matching it costs.
#pragma once
#include <bitset>
#include <optional>
#include <string>
#include <vector>

#include "search/CharacterTables.h"

namespace qs::pattern {

using ByteSet = std::bitset<256>;

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
