// Bracket expressions: members are gathered into a byte set, which is written out as explicit
// byte ranges, so PCRE2 never reads any bracket syntax of its own (POSIX classes, \Q, \p) from
// a configured pattern. Class escapes stay escapes: PCRE2 takes them from our character tables
// and, unlike the byte ranges, does not fold their letter case under (?i).
#include "search/PatternBracket.h"

#include <bitset>
#include <optional>

namespace qs::pattern {

namespace {

// One member of a bracket expression: a byte, or a class escape such as \d.
struct Member {
    bool isClass = false;
    unsigned char value = 0;  // the byte, or the letter of the class escape
};

std::optional<Member> ReadMember(PatternCursor& cursor) {
    const unsigned char c = cursor.Take();
    if (c != '\\') return Member{false, c};
    if (cursor.AtEnd()) return std::nullopt;
    const unsigned char letter = cursor.Take();
    switch (letter) {
    case 'd': case 'D': case 'w': case 'W': case 's': case 'S':
        return Member{true, letter};
    case 'b':
        return Member{false, 0x08};  // backspace, as in Perl: no word boundary inside brackets
    case 'x': {
        const std::optional<unsigned char> byte = ReadHexEscape(cursor);
        if (!byte) return std::nullopt;
        return Member{false, *byte};
    }
    default:
        return Member{false, ControlEscape(letter).value_or(letter)};
    }
}

class BracketSet {
public:
    void AddByte(unsigned char byte) { bytes_.set(byte); }
    void AddClass(unsigned char letter) {
        classes_ += '\\';
        classes_ += static_cast<char>(letter);
    }
    void AddRange(unsigned first, unsigned last) {
        for (unsigned byte = first; byte <= last; ++byte) bytes_.set(byte);
    }

    // False for a range whose end lies below its start, outside the r flag's one exception.
    bool AddWrittenRange(unsigned char first, unsigned char last, bool cyrillicRanges) {
        if (cyrillicRanges) {
            const bool lowerCase = first == 0xE0 && (last == 0xFF || last == 0xDF);
            const bool upperCase = (first == 0xC0 && last == 0xDF) || (first == 0xE0 && last == 0xDF);
            if (lowerCase) {
                AddRange(0xE0, 0xFF);
                AddByte(0xB8);
            }
            if (upperCase) {
                AddRange(0xC0, 0xDF);
                AddByte(0xA8);
            }
            if (lowerCase || upperCase) return true;
        }
        if (last < first) return false;
        AddRange(first, last);
        return true;
    }

    void AppendClass(bool negated, std::string& out) const {
        if (!negated && classes_.empty() && bytes_.count() == 1 && bytes_.test(0xFF)) {
            out += kLoneByteFF;
            return;
        }
        out += negated ? "[^" : "[";
        for (unsigned byte = 0; byte < 256;) {
            if (!bytes_.test(byte)) {
                ++byte;
                continue;
            }
            unsigned last = byte;
            while (last + 1 < 256 && bytes_.test(last + 1)) ++last;
            // Ascending order matters: PCRE2 takes a class of two case partners for the
            // first one written, which is then never the troublesome 0xFF.
            AppendClassByte(out, static_cast<unsigned char>(byte));
            if (last > byte) {
                if (last > byte + 1) out += '-';
                AppendClassByte(out, static_cast<unsigned char>(last));
            }
            byte = last + 1;
        }
        out += classes_;
        out += ']';
    }

private:
    std::bitset<256> bytes_;
    std::string classes_;
};

}  // namespace

bool TranslateBracket(PatternCursor& cursor, bool cyrillicRanges, std::string& out, PatternRefusal* refusal) {
    const std::size_t start = cursor.Position();
    const auto refuse = [&](PatternFault fault, std::size_t at) {
        if (refusal) *refusal = PatternRefusal{fault, at};
        return false;
    };
    // A member that cannot be read is a bad \x escape, or a backslash that ends the pattern.
    const auto refuseMember = [&](std::size_t at) {
        return cursor.AtEnd() ? refuse(PatternFault::UnclosedBracket, start) : refuse(PatternFault::BadHexEscape, at);
    };
    cursor.Skip(1);  // "["
    const bool negated = cursor.Peek() == '^';
    if (negated) cursor.Skip(1);

    BracketSet set;
    // A "]" right after the opening bracket (or its caret) is a member, not the end.
    for (bool first = true;; first = false) {
        if (cursor.AtEnd()) return refuse(PatternFault::UnclosedBracket, start);
        if (cursor.Peek() == ']' && !first) {
            cursor.Skip(1);
            break;
        }
        const std::size_t memberStart = cursor.Position();
        const std::optional<Member> member = ReadMember(cursor);
        if (!member) return refuseMember(memberStart);
        if (member->isClass) {
            set.AddClass(member->value);
            continue;
        }
        // A hyphen makes a range only between two bytes; before "]" or after a class escape
        // it is a member itself.
        if (cursor.Peek() != '-' || cursor.Peek(1) < 0 || cursor.Peek(1) == ']') {
            set.AddByte(member->value);
            continue;
        }
        cursor.Skip(1);  // "-"
        const std::size_t lastStart = cursor.Position();
        const std::optional<Member> last = ReadMember(cursor);
        if (!last) return refuseMember(lastStart);
        if (last->isClass) {
            set.AddByte(member->value);
            set.AddByte('-');
            set.AddClass(last->value);
        } else if (!set.AddWrittenRange(member->value, last->value, cyrillicRanges)) {
            return refuse(PatternFault::ReversedRange, memberStart);
        }
    }
    set.AppendClass(negated, out);
    return true;
}

}  // namespace qs::pattern

