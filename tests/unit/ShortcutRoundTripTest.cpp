// Every shortcut the parser can tell apart comes back from its own text: format, then parse,
// over all keys 8-255 of this system's layout and every combination of modifiers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextCompare.h"
#include "shortcut/MyShortcut.h"

namespace {

const qs::ModifierTexts LibraryModifiers{"Maj+", "Ctrl+", "Alt+"};

bool BeginsWithModifierText(const std::string& keyText) {
    for (const std::string prefix : {"Maj+", "^", "Ctrl+", "Alt+"}) {
        if (keyText.size() >= prefix.size() && qs::EqualIgnoringCase(keyText.substr(0, prefix.size()), prefix))
            return true;
    }
    return false;
}

// The keys whose text a lower key does not give and does not start like a modifier: the ones
// a shortcut text can name.
std::vector<qs::TShortcutCode> NameableKeys(const qs::ShortcutText& shortcuts) {
    std::vector<std::string> textsSoFar;
    std::vector<qs::TShortcutCode> keys;
    for (unsigned code = 8; code <= 0xFF; ++code) {
        const std::string keyText = shortcuts.FormatShortcut(static_cast<qs::TShortcutCode>(code));
        bool taken = keyText.empty() || BeginsWithModifierText(keyText);
        for (const std::string& earlier : textsSoFar) taken = taken || qs::EqualIgnoringCase(earlier, keyText);
        textsSoFar.push_back(keyText);
        if (!taken) keys.push_back(static_cast<qs::TShortcutCode>(code));
    }
    return keys;
}

}  // namespace

TEST(ShortcutRoundTrip, ParsingTheFormattedTextGivesTheCodeBack) {
    const qs::ShortcutText shortcuts(LibraryModifiers, qs::SystemKeyboard());
    const std::vector<qs::TShortcutCode> keys = NameableKeys(shortcuts);
    // The layout names at least the digits, the letters and the function keys.
    ASSERT_GE(keys.size(), 10u + 26u + 12u);

    for (const qs::TShortcutCode key : keys) {
        for (unsigned modifiers = 0; modifiers < 8; ++modifiers) {
            const auto code = static_cast<qs::TShortcutCode>(key | (modifiers << 13));
            const std::string text = shortcuts.FormatShortcut(code);
            EXPECT_EQ(shortcuts.ParseShortcut(text), code) << std::hex << code << " \"" << text << '"';
        }
    }
}
