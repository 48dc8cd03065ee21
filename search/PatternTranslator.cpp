// The pattern translator: one pass over the configured pattern, tracking its flags and groups
// and writing the PCRE2 pattern as it goes.
#include "search/PatternTranslator.h"

#include <vector>

#include "search/PatternBracket.h"
#include "search/PatternSyntax.h"

namespace qs {

namespace {

using pattern::PatternCursor;
using pattern::PatternFlags;

constexpr int kMaxGroups = 14;
// The largest repeat count PCRE2 accepts.
constexpr unsigned long kMaxRepeat = 65535;

// What the last item written was, for the quantifier that may follow it.
enum class LastItem {
    Nothing,     // start of the pattern, of a group or of a branch, or a flag group
    Assertion,   // ^ $ \A \Z \b \B: a position, nothing to repeat
    Repeatable,  // a byte, a class, the dot, a group, a back-reference
    Quantified,  // a repeatable item and its quantifier
};

struct Quantifier {
    unsigned long minimum = 0;
    unsigned long maximum = 0;
    bool unbounded = false;
};

class Translator {
public:
    Translator(const std::string& pattern, PatternRefusal* refusal) : cursor_(pattern), refusal_(refusal) {}

    std::optional<std::string> Run() {
        while (SkipIgnored(), !cursor_.AtEnd()) {
            if (!TranslateItem()) return std::nullopt;
        }
        if (!openGroups_.empty()) {
            Refuse(PatternFault::UnclosedGroup, openGroups_.back().position);
            return std::nullopt;
        }
        if (highestBackReference_ > groupCount_) {
            Refuse(PatternFault::MissingGroup, highestBackReferencePosition_);
            return std::nullopt;
        }
        return std::move(out_);
    }

private:
    // Every refusal comes through here; the reason is kept only for a caller that asks.
    bool Refuse(PatternFault fault, std::size_t position) {
        if (refusal_) *refusal_ = PatternRefusal{fault, position};
        return false;
    }

    bool TranslateItem() {
        const int c = cursor_.Peek();
        switch (c) {
        case '\\': return TranslateEscape();
        case '[':
            if (!pattern::TranslateBracket(cursor_, flags_.cyrillicRanges, out_, refusal_)) return false;
            last_ = LastItem::Repeatable;
            return true;
        case '(': return OpenGroup();
        case ')': return CloseGroup();
        case '|':
            cursor_.Skip(1);
            out_ += '|';
            last_ = LastItem::Nothing;
            return true;
        case '*': case '+': case '?': return TranslateQuantifier();
        case '{':
            if (ReadBraces(cursor_.Position())) return TranslateQuantifier();
            break;
        // With m on, a line starts at the start, after LF, and after a CR not followed by LF;
        // it ends at the end, before CR, and before an LF not preceded by CR: CR LF is one break.
        case '^':
            cursor_.Skip(1);
            out_ += flags_.multiLine ? "(?:\\A|(?<=\\n)|(?<=\\r)(?!\\n))" : "\\A";
            last_ = LastItem::Assertion;
            return true;
        case '$':
            cursor_.Skip(1);
            out_ += flags_.multiLine ? "(?:\\z|(?=\\r)|(?<!\\r)(?=\\n))" : "\\z";
            last_ = LastItem::Assertion;
            return true;
        case '.':
            cursor_.Skip(1);
            out_ += flags_.dotAll ? "." : "[^\\n\\r]";
            last_ = LastItem::Repeatable;
            return true;
        default:
            break;
        }
        AppendLiteral(cursor_.Take());
        return true;
    }

    void AppendLiteral(unsigned char byte) {
        pattern::AppendLiteralByte(out_, byte);
        last_ = LastItem::Repeatable;
    }

    // With x on, white space and "#" comments up to the end of the line carry no meaning.
    // A (?#...) comment never does. Neither changes what a following quantifier applies to.
    void SkipIgnored() {
        for (;;) {
            const int c = cursor_.Peek();
            if (flags_.extended && (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v')) {
                cursor_.Skip(1);
            } else if (flags_.extended && c == '#') {
                while (!cursor_.AtEnd() && cursor_.Peek() != '\n' && cursor_.Peek() != '\r') cursor_.Skip(1);
            } else if (c == '(' && cursor_.Peek(1) == '?' && cursor_.Peek(2) == '#') {
                const std::size_t close = cursor_.Text().find(')', cursor_.Position() + 3);
                if (close == std::string::npos) return;  // left for OpenGroup to refuse
                cursor_.MoveTo(close + 1);
            } else {
                return;
            }
        }
    }

    bool TranslateEscape() {
        const std::size_t start = cursor_.Position();
        cursor_.Skip(1);
        if (cursor_.AtEnd()) return Refuse(PatternFault::TrailingBackslash, start);
        const unsigned char letter = cursor_.Take();
        switch (letter) {
        case 'd': case 'D': case 'w': case 'W': case 's': case 'S':
            out_ += '\\';
            out_ += static_cast<char>(letter);
            last_ = LastItem::Repeatable;
            return true;
        case 'b': case 'B': case 'A':
            out_ += '\\';
            out_ += static_cast<char>(letter);
            last_ = LastItem::Assertion;
            return true;
        case 'Z':
            out_ += "\\z";  // the very end only, not before a final line break
            last_ = LastItem::Assertion;
            return true;
        case 'x': {
            const std::optional<unsigned char> byte = pattern::ReadHexEscape(cursor_);
            if (!byte) return Refuse(PatternFault::BadHexEscape, start);
            AppendLiteral(*byte);
            return true;
        }
        default:
            break;
        }
        if (letter >= '1' && letter <= '9') {
            const int group = letter - '0';
            if (group > highestBackReference_) {
                highestBackReference_ = group;
                highestBackReferencePosition_ = start;
            }
            out_ += "\\g{";
            out_ += static_cast<char>(letter);
            out_ += '}';
            last_ = LastItem::Repeatable;
            return true;
        }
        AppendLiteral(pattern::ControlEscape(letter).value_or(letter));
        return true;
    }

    bool OpenGroup() {
        if (cursor_.Peek(1) == '?') return TranslateFlagGroup();
        const std::size_t start = cursor_.Position();
        cursor_.Skip(1);
        if (++groupCount_ > kMaxGroups) return Refuse(PatternFault::TooManyGroups, start);
        openGroups_.push_back(OpenGroupRecord{flags_, start});
        out_ += '(';
        last_ = LastItem::Nothing;
        return true;
    }

    bool CloseGroup() {
        if (openGroups_.empty()) return Refuse(PatternFault::UnopenedGroup, cursor_.Position());
        cursor_.Skip(1);
        // PCRE2 ends an inline (?i) at the same closing parenthesis.
        flags_ = openGroups_.back().flags;
        openGroups_.pop_back();
        out_ += ')';
        last_ = LastItem::Repeatable;
        return true;
    }

    // "(?" followed by flag letters, an optional minus and more letters, and ")". Comments
    // were skipped before; every other "(?" form is refused.
    bool TranslateFlagGroup() {
        const std::size_t start = cursor_.Position();
        cursor_.Skip(2);
        PatternFlags flags = flags_;
        bool value = true;
        for (;;) {
            const int c = cursor_.Peek();
            if (c < 0) return Refuse(PatternFault::UnclosedFlags, start);
            const std::size_t at = cursor_.Position();
            cursor_.Skip(1);
            if (c == ')') break;
            if (c == '-') {
                if (!value) return Refuse(PatternFault::RepeatedMinus, at);
                value = false;
                continue;
            }
            switch (c | 0x20) {
            case 'i': flags.caseless = value; break;
            case 'r': flags.cyrillicRanges = value; break;
            case 's': flags.dotAll = value; break;
            case 'g': flags.greedy = value; break;
            case 'm': flags.multiLine = value; break;
            case 'x': flags.extended = value; break;
            default: return RefuseFlagGroup(c, start, at);
            }
        }
        if (flags.caseless != flags_.caseless) out_ += flags.caseless ? "(?i)" : "(?-i)";
        flags_ = flags;
        last_ = LastItem::Nothing;
        return true;
    }

    // Which fault a character that is no flag letter makes of a "(?" group.
    bool RefuseFlagGroup(int c, std::size_t start, std::size_t at) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (at == start + 2) {
            // An unclosed comment is only seen here: SkipIgnored leaves it.
            if (c == '#') return Refuse(PatternFault::UnclosedComment, start);
            // (?: (?= (?! (?< (?> (?| (?( (?' (?P<name> (?R) (?1) (?C): kinds of group of other languages
            if ((!letter && c != ' ') || c == 'P' || c == 'R' || c == 'C') {
                return Refuse(PatternFault::UnsupportedGroup, start);
            }
        }
        if (c == ':') return Refuse(PatternFault::UnsupportedGroup, start);  // (?i:...)
        return Refuse(PatternFault::UnknownFlag, at);
    }

    bool TranslateQuantifier() {
        const std::size_t start = cursor_.Position();
        if (last_ != LastItem::Repeatable) {
            const PatternFault fault = last_ == LastItem::Assertion    ? PatternFault::RepeatedAssertion
                                       : last_ == LastItem::Quantified ? PatternFault::RepeatedQuantifier
                                                                       : PatternFault::NothingToRepeat;
            return Refuse(fault, start);
        }
        Quantifier quantifier;
        const int c = cursor_.Take();
        if (c == '{') {
            if (!braces_) return Refuse(PatternFault::BadRepeatCount, start);
            quantifier = *braces_;
            cursor_.MoveTo(bracesEnd_);
        } else {
            quantifier.minimum = c == '+' ? 1 : 0;
            quantifier.maximum = c == '?' ? 1 : 0;
            quantifier.unbounded = c != '?';
        }
        SkipIgnored();
        bool lazy = !flags_.greedy;
        if (cursor_.Peek() == '?') {
            cursor_.Skip(1);
            lazy = true;
        }
        AppendQuantifier(quantifier, lazy);
        last_ = LastItem::Quantified;
        return true;
    }

    void AppendQuantifier(const Quantifier& quantifier, bool lazy) {
        out_ += '{';
        out_ += std::to_string(quantifier.minimum);
        if (quantifier.unbounded) {
            out_ += ',';
        } else if (quantifier.maximum != quantifier.minimum) {
            out_ += ',';
            out_ += std::to_string(quantifier.maximum);
        }
        out_ += '}';
        if (lazy) out_ += '?';
    }

    // Reads {n}, {n,} or {n,m} at `start` into braces_; false when the text there is not a
    // quantifier (then the brace is a literal), or its counts are out of order or too large
    // (then braces_ is left empty and the quantifier is refused).
    bool ReadBraces(std::size_t start) {
        const std::string& text = cursor_.Text();
        std::size_t at = start + 1;
        Quantifier quantifier;
        if (!ReadCount(text, at, quantifier.minimum)) return false;
        quantifier.maximum = quantifier.minimum;
        if (at < text.size() && text[at] == ',') {
            ++at;
            if (at < text.size() && text[at] == '}') {
                quantifier.unbounded = true;
            } else if (!ReadCount(text, at, quantifier.maximum)) {
                return false;
            }
        }
        if (at >= text.size() || text[at] != '}') return false;
        bracesEnd_ = at + 1;
        braces_.reset();
        const bool valid = quantifier.minimum <= kMaxRepeat && quantifier.maximum <= kMaxRepeat &&
                           (quantifier.unbounded || quantifier.minimum <= quantifier.maximum);
        if (valid) braces_ = quantifier;
        return true;
    }

    static bool ReadCount(const std::string& text, std::size_t& at, unsigned long& count) {
        const std::size_t start = at;
        count = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
            if (count <= kMaxRepeat) count = count * 10 + static_cast<unsigned long>(text[at] - '0');
        }
        return at > start;
    }

    struct OpenGroupRecord {
        PatternFlags flags;     // the flags in force where the group began
        std::size_t position;   // of its "("
    };

    PatternCursor cursor_;
    PatternRefusal* refusal_;
    std::string out_;
    PatternFlags flags_;
    std::vector<OpenGroupRecord> openGroups_;
    LastItem last_ = LastItem::Nothing;
    int groupCount_ = 0;
    int highestBackReference_ = 0;
    std::size_t highestBackReferencePosition_ = 0;
    std::optional<Quantifier> braces_;
    std::size_t bracesEnd_ = 0;
};

}  // namespace

std::optional<std::string> TranslatePattern(const std::string& pattern) {
    return Translator(pattern, nullptr).Run();
}

std::optional<std::string> TranslatePattern(const std::string& pattern, PatternRefusal* refusal) {
    return Translator(pattern, refusal).Run();
}

}  // namespace qs
