// Cutting an INI file into sections and keys by the profile function's rules:
// - a line ends at any run of CR and LF; white space around it is dropped; empty lines vanish;
// - "[" starts a header when the line holds a "]": the name is what lies between the "[" and
//   the last "]", trimmed; otherwise the line is an ordinary line;
// - an ordinary line is a key: the name before the first "=" and the value after it, each
//   trimmed; a line without "=" is a key without value; comment lines are no exception;
// - look-ups trim the asked names, ignore the case of ASCII letters and take the first section
//   and the first key of a name, so a section or key written twice is found at its first place;
//   the lines before the first header form a section without name, which an empty name finds.
#include "platform/posix/ProfileContent.h"

#include "platform/posix/CodePage1252.h"

namespace qs {

namespace {

// Names are compared ignoring the case of ASCII letters only: "\xC9" and "\xE9" differ.
char16_t FoldUnit(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 0x20) : unit;
}

// The name as the string functions read it: up to the first zero, letter case folded.
std::u16string FoldedName(std::u16string_view name) {
    std::u16string folded;
    for (char16_t unit : name) {
        if (unit == 0) break;
        folded.push_back(FoldUnit(unit));
    }
    return folded;
}

std::u16string UpToZero(const char16_t* begin, const char16_t* end) {
    const char16_t* stop = begin;
    while (stop < end && *stop != 0) ++stop;
    return std::u16string(begin, stop);
}

void AppendUtf16(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
    } else {
        code -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    }
}

// UTF-8 to UTF-16; each broken sequence becomes one U+FFFD.
std::u16string DecodeUtf8(const unsigned char* bytes, std::size_t count) {
    std::u16string out;
    out.reserve(count);
    std::size_t i = 0;
    while (i < count) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t code = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        }
        std::size_t taken = 1;
        bool whole = length != 0;
        for (; whole && taken < length; ++taken) {
            if (i + taken >= count) {
                whole = false;
                break;
            }
            const unsigned char next = bytes[i + taken];
            const unsigned char min = taken == 1 ? low : 0x80, max = taken == 1 ? high : 0xBF;
            if (next < min || next > max) {
                whole = false;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (whole) {
            AppendUtf16(out, code);
        } else {
            out.push_back(0xFFFD);
        }
        i += taken;
    }
    return out;
}

std::u16string DecodeUtf16(const unsigned char* bytes, std::size_t count, bool bigEndian) {
    std::u16string out(count / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i) {
        const unsigned first = bytes[2 * i], second = bytes[2 * i + 1];
        out[i] = static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return out;
}

std::u16string Decode(const std::string& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) return DecodeUtf8(bytes + 3, size - 3);
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return DecodeUtf16(bytes + 2, size - 2, false);
    if (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return DecodeUtf16(bytes + 2, size - 2, true);
    return Widen1252(text.data(), size);
}

bool IsLineEnd(char16_t unit) { return unit == u'\n' || unit == u'\r'; }

std::u16string_view Trimmed(std::u16string_view name) {
    while (!name.empty() && IsProfileSpace(name.front())) name.remove_prefix(1);
    while (!name.empty() && IsProfileSpace(name.back())) name.remove_suffix(1);
    return name;
}

}  // namespace

bool IsProfileSpace(char16_t unit) {
    // Ctrl+Z marked the end of text files under DOS and still turns up at their end. The
    // no-break space is no white space here.
    return (unit >= 0x09 && unit <= 0x0D) || unit == 0x20 || unit == 0x1A;
}

ProfileContent ProfileContent::Parse(const std::string& bytes) {
    ProfileContent content;
    content.sections_.emplace_back();
    content.firstSection_.emplace(std::u16string(), 0);
    if (bytes.empty()) return content;
    const std::u16string text = Decode(bytes);
    const char16_t* next = text.data();
    const char16_t* const end = next + text.size();
    while (next < end) {
        const char16_t* lineStart = next;
        while (next < end && !IsLineEnd(*next)) ++next;
        const char16_t* lineEnd = next;
        while (next < end && IsLineEnd(*next)) ++next;

        while (lineStart < lineEnd && IsProfileSpace(*lineStart)) ++lineStart;
        while (lineEnd > lineStart && IsProfileSpace(lineEnd[-1])) --lineEnd;
        if (lineStart == lineEnd) continue;

        if (*lineStart == u'[') {
            const char16_t* close = lineEnd;
            while (close > lineStart && close[-1] != u']') --close;
            if (close > lineStart + 1) {
                ProfileSection section;
                const char16_t* nameStart = lineStart + 1;
                const std::u16string_view name = Trimmed(std::u16string_view(nameStart, close - 1 - nameStart));
                section.name = UpToZero(name.data(), name.data() + name.size());
                content.firstSection_.emplace(FoldedName(section.name), content.sections_.size());
                content.sections_.push_back(std::move(section));
                continue;
            }
        }

        const char16_t* equals = lineStart;
        while (equals < lineEnd && *equals != u'=') ++equals;
        ProfileKey key;
        if (equals < lineEnd) {
            const char16_t* nameEnd = equals;
            while (nameEnd > lineStart && IsProfileSpace(nameEnd[-1])) --nameEnd;
            const char16_t* valueStart = equals + 1;
            while (valueStart < lineEnd && IsProfileSpace(*valueStart)) ++valueStart;
            key.name = UpToZero(lineStart, nameEnd);
            key.value = UpToZero(valueStart, lineEnd);
        } else {
            key.name = UpToZero(lineStart, lineEnd);
        }
        ProfileSection& section = content.sections_.back();
        section.firstKey.emplace(FoldedName(key.name), section.keys.size());
        section.keys.push_back(std::move(key));
    }
    return content;
}

const ProfileKey* ProfileContent::Find(std::u16string_view sectionName, std::u16string_view keyName) const {
    const auto section = firstSection_.find(FoldedName(Trimmed(sectionName)));
    if (section == firstSection_.end()) return nullptr;
    const ProfileSection& found = sections_[section->second];
    const auto key = found.firstKey.find(FoldedName(Trimmed(keyName)));
    if (key == found.firstKey.end()) return nullptr;
    return &found.keys[key->second];
}

}  // namespace qs
