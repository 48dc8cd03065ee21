// Shortcut text and shortcut code: "Maj+Ctrl+F10" and the like on one side, the 16-bit code the
// host registers on the other. Key names come from the keyboard layout; the modifier texts
// from the library's string table.
#pragma once
#include <cstdint>
#include <string>

namespace qs {

// Virtual-key code in the low byte, modifier bits above; 0 means no shortcut.
using TShortcutCode = std::uint16_t;
constexpr TShortcutCode ModShift = 0x2000;
constexpr TShortcutCode ModCtrl = 0x4000;
constexpr TShortcutCode ModAlt = 0x8000;

// The texts that name the modifiers in a shortcut text.
struct ModifierTexts {
    std::string ShiftPrefix;
    std::string CtrlPrefix;
    std::string AltPrefix;
};

// String-table entries of the modifier texts.
constexpr unsigned ShiftPrefixId = 65436;
constexpr unsigned CtrlPrefixId = 65437;
constexpr unsigned AltPrefixId = 65438;

// The modifier texts, loaded from the library's string table when the library is loaded.
const ModifierTexts& LoadedModifierTexts();

// Where key names come from: the system's keyboard layout, or a test's own.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // The scan code of a virtual key (0: none).
    virtual std::uint32_t ScanCode(std::uint32_t virtualKey) const = 0;
    // The name of the key a key-message parameter describes; empty when it has none.
    virtual std::string KeyName(std::uint32_t keyMessageParameter) const = 0;
};

// The keyboard layout of the system the library runs on.
const KeyboardLayout& SystemKeyboard();

// Conversions between shortcut texts and codes over given modifier texts and key names.
// Keeps references: both must outlive it.
class ShortcutText {
public:
    ShortcutText(const ModifierTexts& modifiers, const KeyboardLayout& keyboard)
        : modifiers_(modifiers), keyboard_(keyboard) {}

    // The layout's name of the key in the low byte; empty when the key has no scan code or name.
    std::string KeyDisplayName(TShortcutCode code) const;
    // Modifier texts in the order Shift, Ctrl, Alt, then the key's text; empty when the key
    // has no text. Bits 8-12 play no part.
    std::string FormatShortcut(TShortcutCode code) const;
    // The code a shortcut text names; 0 when it names none.
    TShortcutCode ParseShortcut(std::string text) const;

private:
    const ModifierTexts& modifiers_;
    const KeyboardLayout& keyboard_;
};

// When `text` begins with `prefix` (letter case ignored), removes it and answers true.
// An empty prefix is never cut: it would match every text without consuming anything.
bool CutPrefix(std::string& text, const std::string& prefix);

// The same with the library's modifier texts and the system's keyboard.
std::string KeyDisplayName(TShortcutCode code);
std::string FormatShortcut(TShortcutCode code);
TShortcutCode ParseShortcut(std::string text);

}  // namespace qs
