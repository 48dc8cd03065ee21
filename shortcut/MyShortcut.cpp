// Shortcut text <-> shortcut code. The parser finds the key by formatting every candidate code
// and comparing texts, so it understands exactly the names the keyboard layout gives.
#include "shortcut/MyShortcut.h"

#include <string_view>

#include "platform/Keyboard.h"
#include "platform/Resources.h"
#include "platform/TextCompare.h"

namespace qs {

namespace {

// The parser's candidate codes. Codes from 0x100 up format as their low byte, so they are only
// reached for a name that no lower code gives, and then come back with bit 8 or 9 set.
constexpr unsigned FirstCandidate = 0x0008;
constexpr unsigned LastCandidate = 0x0255;

class PlatformKeyboard final : public KeyboardLayout {
public:
    std::uint32_t ScanCode(std::uint32_t virtualKey) const override { return ScanCodeOfVirtualKey(virtualKey); }
    std::string KeyName(std::uint32_t keyMessageParameter) const override {
        return KeyNameText(keyMessageParameter);
    }
};

// Filled while the library is being loaded, before any export can run; the texts are released
// with the library.
struct ModifierTextsAtLoad {
    ModifierTexts texts;
    ModifierTextsAtLoad() noexcept {
        try {
            texts.ShiftPrefix = LoadStringResource(ShiftPrefixId);
            texts.CtrlPrefix = LoadStringResource(CtrlPrefixId);
            texts.AltPrefix = LoadStringResource(AltPrefixId);
        } catch (...) {
            // Out of memory at load: the texts stay empty and no modifier is ever recognised.
        }
    }
};

const PlatformKeyboard platformKeyboard;
const ModifierTextsAtLoad modifierTextsAtLoad;

}  // namespace

const ModifierTexts& LoadedModifierTexts() { return modifierTextsAtLoad.texts; }

const KeyboardLayout& SystemKeyboard() { return platformKeyboard; }

std::string ShortcutText::KeyDisplayName(TShortcutCode code) const {
    const std::uint32_t scanCode = keyboard_.ScanCode(code & 0xFFu);
    // Scan code in bits 16-23 and nothing else: the extended-key bit is clear, so a scan code
    // shared by a keypad key and an editing key always names the keypad key.
    const std::uint32_t keyMessageParameter = (scanCode & 0xFFu) << 16;
    if (keyMessageParameter == 0) return {};
    return keyboard_.KeyName(keyMessageParameter);
}

std::string ShortcutText::FormatShortcut(TShortcutCode code) const {
    const unsigned key = code & 0xFFu;
    // The top-row digits are written as digits whatever the layout calls them.
    std::string keyText = (key >= '0' && key <= '9') ? std::string(1, static_cast<char>(key)) : KeyDisplayName(code);
    if (keyText.empty()) return {};
    std::string text;
    if (code & ModShift) text += modifiers_.ShiftPrefix;
    if (code & ModCtrl) text += modifiers_.CtrlPrefix;
    if (code & ModAlt) text += modifiers_.AltPrefix;
    return text + keyText;
}

TShortcutCode ShortcutText::ParseShortcut(std::string text) const {
    const std::string shortCtrlPrefix = "^";
    const struct {
        const std::string& prefix;
        TShortcutCode bit;
    } prefixes[] = {
        {modifiers_.ShiftPrefix, ModShift},
        {shortCtrlPrefix, ModCtrl},
        {modifiers_.CtrlPrefix, ModCtrl},
        {modifiers_.AltPrefix, ModAlt},
    };

    // Modifiers in any order and any number; after each one found, look again from the first.
    TShortcutCode modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const auto& modifier : prefixes) {
            if (CutPrefix(text, modifier.prefix)) {
                modifiers = static_cast<TShortcutCode>(modifiers | modifier.bit);
                found = true;
                break;
            }
        }
    }
    if (text.empty()) return 0;

    for (unsigned code = FirstCandidate; code <= LastCandidate; ++code) {
        const std::string keyText = FormatShortcut(static_cast<TShortcutCode>(code));
        // A key the layout does not name has no text and can be named by no shortcut text.
        if (!keyText.empty() && EqualIgnoringCase(text, keyText))
            return static_cast<TShortcutCode>(modifiers | code);
    }
    return 0;
}

bool CutPrefix(std::string& text, const std::string& prefix) {
    if (prefix.empty() || text.size() < prefix.size()) return false;
    if (!EqualIgnoringCase(std::string_view(text).substr(0, prefix.size()), prefix)) return false;
    text.erase(0, prefix.size());
    return true;
}

std::string KeyDisplayName(TShortcutCode code) {
    return ShortcutText(LoadedModifierTexts(), SystemKeyboard()).KeyDisplayName(code);
}

std::string FormatShortcut(TShortcutCode code) {
    return ShortcutText(LoadedModifierTexts(), SystemKeyboard()).FormatShortcut(code);
}

TShortcutCode ParseShortcut(std::string text) {
    return ShortcutText(LoadedModifierTexts(), SystemKeyboard()).ParseShortcut(std::move(text));
}

}  // namespace qs
