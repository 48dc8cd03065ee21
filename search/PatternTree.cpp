// Reads a translated pattern back into its structure. The translator writes a small,
// regular subset of PCRE2's syntax (search/PatternTranslator.cpp, PatternBracket.cpp,
// PatternSyntax.cpp); anything outside it is refused here rather than guessed at.
#include "search/PatternTree.h"

#include <cstring>

namespace qs::pattern {

namespace {

using Layout = CharacterTableLayout;

// ^ and $ under (?m), written whole by the translator.
constexpr const char* kLineStart = "(?:\\A|(?<=\\n)|(?<=\\r)(?!\\n))";
constexpr const char* kLineEnd = "(?:\\z|(?=\\r)|(?<!\\r)(?=\\n))";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

class Reader {
public:
    Reader(const std::string& text, const CharacterTables& tables) : text_(text), tables_(tables) {}

    std::optional<std::vector<Alternative>> Read() {
        std::vector<Alternative> alternatives;
        if (!ReadAlternatives(alternatives) || at_ != text_.size()) return std::nullopt;
        return alternatives;
    }

private:
    // Up to the ")" that closes the enclosing group, or the end; the ")" is left.
    bool ReadAlternatives(std::vector<Alternative>& alternatives) {
        alternatives.emplace_back();
        while (at_ < text_.size() && text_[at_] != ')') {
            if (text_[at_] == '|') {
                ++at_;
                alternatives.emplace_back();
            } else if (!ReadItem(alternatives.back())) {
                return false;
            }
        }
        return true;
    }

    bool ReadItem(Alternative& alternative) {
        Item item;
        const char c = text_[at_];
        if (c == '(') {
            if (Skip("(?i)")) {
                caseless_ = true;
                return Add(alternative, ItemKind::CaseOption);
            }
            if (Skip("(?-i)")) {
                caseless_ = false;
                return Add(alternative, ItemKind::CaseOption);
            }
            if (Skip(kLineStart) || Skip(kLineEnd)) return Add(alternative, ItemKind::LineAnchor);
            if (Peek(1) == '?') return false;
            ++at_;
            item.kind = ItemKind::Group;
            item.group = ++groups_;
            // An inline (?i) ends with the group it is in.
            const bool caseless = caseless_;
            if (!ReadAlternatives(item.alternatives) || at_ >= text_.size()) return false;
            ++at_;
            caseless_ = caseless;
        } else if (c == '\\') {
            if (!ReadEscape(item)) return false;
            if (item.kind != ItemKind::Bytes && item.kind != ItemKind::BackReference) {
                alternative.items.push_back(item);
                return true;
            }
        } else if (c == '[') {
            if (!ReadClass(item.bytes)) return false;
        } else if (c == '.') {
            ++at_;
            item.bytes.SetAll();
        } else if (IsAlphanumeric(c)) {
            ++at_;
            item.bytes = Literal(static_cast<unsigned char>(c));
        } else {
            return false;
        }
        if (!ReadQuantifier(item)) return false;
        alternative.items.push_back(std::move(item));
        return true;
    }

    bool Add(Alternative& alternative, ItemKind kind) {
        Item item;
        item.kind = kind;
        alternative.items.push_back(item);
        return true;
    }

    bool ReadEscape(Item& item) {
        const char letter = Peek(1);
        at_ += 2;
        switch (letter) {
        case 'A': item.kind = ItemKind::TextStart; return true;
        case 'z': item.kind = ItemKind::TextEnd; return true;
        case 'b': case 'B': item.kind = ItemKind::WordBoundary; return true;
        case 'd': case 'D': case 'w': case 'W': case 's': case 'S':
            item.bytes = ClassEscape(letter);
            return true;
        case 'x': {
            unsigned char byte = 0;
            if (!ReadHexBraces(byte)) return false;
            item.bytes = Literal(byte);
            return true;
        }
        case 'g': {
            if (Peek(0) != '{' || Peek(1) < '1' || Peek(1) > '9' || Peek(2) != '}') return false;
            item.kind = ItemKind::BackReference;
            item.group = Peek(1) - '0';
            at_ += 3;
            return true;
        }
        default:
            return false;
        }
    }

    // "{hh}" after "\x".
    bool ReadHexBraces(unsigned char& byte) {
        if (Peek(0) != '{' || HexValue(Peek(1)) < 0 || HexValue(Peek(2)) < 0 || Peek(3) != '}') return false;
        byte = static_cast<unsigned char>(HexValue(Peek(1)) * 16 + HexValue(Peek(2)));
        at_ += 4;
        return true;
    }

    // A member byte of a class: a letter or digit, or \x{hh}.
    bool ReadClassByte(unsigned char& byte) {
        if (IsAlphanumeric(Peek(0))) {
            byte = static_cast<unsigned char>(text_[at_++]);
            return true;
        }
        if (Peek(0) != '\\' || Peek(1) != 'x') return false;
        at_ += 2;
        return ReadHexBraces(byte);
    }

    // Members are bytes, ranges "a-b" and class escapes. Under (?i) PCRE2 adds the other case
    // of every byte, but not of the escapes' classes.
    bool ReadClass(ByteSet& bytes) {
        ++at_;
        const bool negated = Peek(0) == '^';
        if (negated) ++at_;
        ByteSet members;
        for (;;) {
            if (at_ >= text_.size()) return false;
            if (text_[at_] == ']') {
                ++at_;
                break;
            }
            if (Peek(0) == '\\' && std::strchr("dDwWsS", Peek(1)) != nullptr && Peek(1) != '\0') {
                members |= ClassEscape(Peek(1));
                at_ += 2;
                continue;
            }
            unsigned char first = 0;
            if (!ReadClassByte(first)) return false;
            unsigned char last = first;
            if (Peek(0) == '-' && Peek(1) != ']') {
                ++at_;
                if (!ReadClassByte(last) || last < first) return false;
            }
            for (unsigned byte = first; byte <= last; ++byte) AddByte(members, static_cast<unsigned char>(byte));
        }
        bytes = negated ? ~members : members;
        return true;
    }

    bool ReadQuantifier(Item& item) {
        if (Peek(0) != '{') return true;
        ++at_;
        if (!ReadCount(item.minimum)) return false;
        item.maximum = item.minimum;
        if (Peek(0) == ',') {
            ++at_;
            if (Peek(0) == '}') {
                item.unbounded = true;
            } else if (!ReadCount(item.maximum)) {
                return false;
            }
        }
        if (Peek(0) != '}') return false;
        ++at_;
        if (Peek(0) == '?') ++at_;  // lazy: the same paths, in another order
        return item.unbounded || item.minimum <= item.maximum;
    }

    bool ReadCount(unsigned long& count) {
        const std::size_t start = at_;
        count = 0;
        for (; at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9'; ++at_) {
            if (count > 1000000) return false;
            count = count * 10 + static_cast<unsigned long>(text_[at_] - '0');
        }
        return at_ > start;
    }

    ByteSet Literal(unsigned char byte) const {
        ByteSet bytes;
        AddByte(bytes, byte);
        return bytes;
    }

    // The byte, and under (?i) its other case.
    void AddByte(ByteSet& bytes, unsigned char byte) const {
        bytes.Set(byte);
        if (caseless_) bytes.Set(tables_[Layout::kFlipCase + byte]);
    }

    ByteSet ClassEscape(char letter) const {
        const std::size_t bitmap = (letter == 'd' || letter == 'D')   ? Layout::kDigitBits
                                   : (letter == 'w' || letter == 'W') ? Layout::kWordBits
                                                                      : Layout::kSpaceBits;
        const ByteSet bytes = ByteSet::FromBitmap(tables_.data() + bitmap);
        return (letter >= 'A' && letter <= 'Z') ? ~bytes : bytes;
    }

    bool Skip(const char* token) {
        const std::size_t length = std::strlen(token);
        if (text_.compare(at_, length, token) != 0) return false;
        at_ += length;
        return true;
    }

    // The character `ahead` places on, or NUL past the end.
    char Peek(std::size_t ahead) const { return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0'; }

    const std::string& text_;
    const CharacterTables& tables_;
    std::size_t at_ = 0;
    bool caseless_ = false;
    int groups_ = 0;
};

}  // namespace

std::optional<std::vector<Alternative>> ReadTranslatedPattern(const std::string& pcre2Pattern,
                                                              const CharacterTables& tables) {
    return Reader(pcre2Pattern, tables).Read();
}

}  // namespace qs::pattern
