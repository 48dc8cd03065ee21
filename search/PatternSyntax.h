// The reading position in a configured pattern, its flags, and the pieces of the pattern
// language that the translator and its bracket expressions both read and write.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace qs::pattern {

// The settings a pattern can change for itself with (?flags); the values are the defaults.
struct PatternFlags {
    bool caseless = false;        // i
    bool cyrillicRanges = true;   // r
    bool dotAll = true;           // s
    bool greedy = true;           // g
    bool multiLine = false;       // m
    bool extended = false;        // x
};

class PatternCursor {
public:
    explicit PatternCursor(const std::string& text) : text_(text) {}

    bool AtEnd() const { return position_ >= text_.size(); }
    // The byte `ahead` places on, or -1 past the end.
    int Peek(std::size_t ahead = 0) const {
        const std::size_t at = position_ + ahead;
        return at < text_.size() ? static_cast<unsigned char>(text_[at]) : -1;
    }
    unsigned char Take() { return static_cast<unsigned char>(text_[position_++]); }
    void Skip(std::size_t count) { position_ += count; }
    std::size_t Position() const { return position_; }
    void MoveTo(std::size_t position) { position_ = position; }
    const std::string& Text() const { return text_; }

private:
    const std::string& text_;
    std::size_t position_ = 0;
};

// The byte of \t \n \r \f \a \e, by the letter after the backslash.
std::optional<unsigned char> ControlEscape(unsigned char letter);

// Reads what follows "\x": two hexadecimal digits, or hexadecimal digits between braces.
// Nothing when the digits are missing or malformed, or the value is above 0xFF.
std::optional<unsigned char> ReadHexEscape(PatternCursor& cursor);

// Appends the byte in a form that PCRE2 reads as that one literal byte, whatever follows it.
void AppendLiteralByte(std::string& out, unsigned char byte);

// Appends the byte as a member of a PCRE2 class, whatever follows it.
void AppendClassByte(std::string& out, unsigned char byte);

// PCRE2 10.42 skips byte 0xFF when it makes its search for the first or last byte of a match
// case-insensitive, so (?i)\xFF would never find its upper-case partner. The fault follows
// every item that PCRE2 reduces to that one literal: a lone \xFF, a class of 0xFF alone, or a
// class of two case partners with 0xFF written first. A class with 0xFF written twice stays a
// class, which PCRE2 searches correctly; 0xFF alone is always written that way.
constexpr const char* kLoneByteFF = "[\\x{ff}\\x{ff}]";

}  // namespace qs::pattern
