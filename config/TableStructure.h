// The records the configuration fills: one search entry, the global options, and the
// working copy of one entry.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qs {

// Text of fixed capacity: a length byte and up to Capacity characters; longer text is cut.
template <std::size_t Capacity>
struct ShortText {
    static_assert(Capacity <= 255, "the length is one byte");
    std::uint8_t length = 0;
    char chars[Capacity] = {};

    void Assign(std::string_view text) {
        length = static_cast<std::uint8_t>(text.size() < Capacity ? text.size() : Capacity);
        std::memcpy(chars, text.data(), length);
    }
    std::string_view View() const { return {chars, length}; }
    std::string Str() const { return std::string(View()); }
};

constexpr std::size_t TitleCapacity = 100;
constexpr std::size_t UrlCapacity = 255;
constexpr std::size_t RegExpCapacity = 255;

// Encoding modes of an entry; any other value means none.
enum EncodeMode : std::int32_t { EncodeNone = 0, EncodeUrl = 1, EncodeUtf8Url = 2 };

struct TSearchEntry {
    ShortText<TitleCapacity> Title;
    ShortText<UrlCapacity> Url;
    std::int32_t Encode = EncodeUrl;
    bool Navigator = true;
    bool Clipboard = true;
    bool Trim = true;
    ShortText<RegExpCapacity> RegExp;
};

struct TPluginOptions {
    std::int32_t Encode = EncodeUrl;
    bool Navigator = true;
    bool Clipboard = true;
    bool Trim = true;
    bool CtrlMenu = true;
    bool BeepOnFailure = true;
    std::string Shortcut = "Ctrl+F10";
};

// The working copy of one entry: the fields of TSearchEntry, texts without a limit.
struct TCurrentEntry {
    std::string Title;
    std::string Url;
    std::int32_t Encode = EncodeUrl;
    bool Navigator = true;
    bool Clipboard = true;
    bool Trim = true;
    std::string RegExp;

    // A record keeps at most its capacities.
    TSearchEntry ToRecord() const {
        TSearchEntry record;
        record.Title.Assign(Title);
        record.Url.Assign(Url);
        record.Encode = Encode;
        record.Navigator = Navigator;
        record.Clipboard = Clipboard;
        record.Trim = Trim;
        record.RegExp.Assign(RegExp);
        return record;
    }
};

}  // namespace qs
