// Wording of values, origins and places.
#include "tools/check/Wording.h"

#include <cstdio>

namespace qs::check {

std::string DescribeEncode(std::int32_t encode) {
    const std::string number = std::to_string(encode);
    switch (encode) {
    case EncodeNone: return number + " (no encoding)";
    case EncodeUrl: return number + " (URL-encoding of Windows-1252 bytes)";
    case EncodeUtf8Url: return number + " (UTF-8, then URL-encoding)";
    default: return number + " (acts as 0: no encoding)";
    }
}

std::string OnOff(bool value) { return value ? "on" : "off"; }

std::string Hex16(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(value));
    return text;
}

std::string DescribeLocation(const Location& where) {
    std::string text = where.file;
    if (where.line > 0) text += ":" + std::to_string(where.line);
    if (!where.section.empty()) text += (text.empty() ? "[" : " [") + where.section + "]";
    if (!where.key.empty()) text += (text.empty() ? "" : " ") + where.key;
    return text;
}

namespace {
std::string KeyPlace(const Location& where) {
    std::string text = where.key + " in [" + where.section + "] of " + where.file;
    if (where.line > 0) text += ", line " + std::to_string(where.line);
    return text;
}
}  // namespace

std::string DescribeOrigin(const Origin& origin) {
    switch (origin.kind) {
    case Origin::BuiltIn: return "built-in default";
    case Origin::Key: return KeyPlace(origin.where);
    case Origin::FallbackKey: return KeyPlace(origin.where) + " (the French fallback)";
    case Origin::Option:
        return origin.where.file.empty() ? "default: the built-in option"
                                         : "default: " + KeyPlace(origin.where);
    case Origin::Empty: return "no key gives it";
    }
    return std::string();
}

std::string JoinLanguages(const std::vector<std::string>& languages) {
    std::string text;
    for (const std::string& language : languages) text += (text.empty() ? "" : ", ") + language;
    return text;
}

}  // namespace qs::check
