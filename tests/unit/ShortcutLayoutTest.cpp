// How the shortcut text asks the keyboard layout for names, and what the parser makes of a
// layout's peculiarities (shared names, names that look like modifiers, keys below 8), on a
// small layout of the test's own.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "shortcut/MyShortcut.h"

namespace {

using qs::ModAlt;
using qs::ModCtrl;
using qs::ModShift;

class TinyLayout final : public qs::KeyboardLayout {
public:
    // virtual key -> scan code, scan code -> name
    std::map<std::uint32_t, std::uint32_t> scanCodes;
    std::map<std::uint32_t, std::string> names;
    mutable std::vector<std::uint32_t> virtualKeysAsked;
    mutable std::vector<std::uint32_t> parametersAsked;

    std::uint32_t ScanCode(std::uint32_t virtualKey) const override {
        virtualKeysAsked.push_back(virtualKey);
        const auto found = scanCodes.find(virtualKey);
        return found == scanCodes.end() ? 0 : found->second;
    }
    std::string KeyName(std::uint32_t keyMessageParameter) const override {
        parametersAsked.push_back(keyMessageParameter);
        const auto found = names.find(keyMessageParameter >> 16);
        return found == names.end() ? std::string() : found->second;
    }
    void Name(std::uint32_t virtualKey, std::uint32_t scanCode, const std::string& name) {
        scanCodes[virtualKey] = scanCode;
        names[scanCode] = name;
    }
};

const qs::ModifierTexts LibraryModifiers{"Maj+", "Ctrl+", "Alt+"};

}  // namespace

TEST(ShortcutLayout, AsksForTheNameOfTheNonExtendedKeyWithTheScanCodeInBits16To23) {
    TinyLayout layout;
    layout.Name(0x79, 0x44, "F10");
    const qs::ShortcutText shortcuts(LibraryModifiers, layout);

    EXPECT_EQ(shortcuts.KeyDisplayName(ModCtrl | 0x0100 | 0x79), "F10");
    EXPECT_EQ(layout.virtualKeysAsked, std::vector<std::uint32_t>{0x79});
    EXPECT_EQ(layout.parametersAsked, std::vector<std::uint32_t>{0x00440000});

    // A scan code with more than 8 bits keeps only its low byte: bit 24 (extended) stays clear.
    layout.scanCodes[0x2D] = 0xE052;
    layout.parametersAsked.clear();
    shortcuts.KeyDisplayName(0x2D);
    EXPECT_EQ(layout.parametersAsked, std::vector<std::uint32_t>{0x00520000});
}

TEST(ShortcutLayout, AKeyWithoutScanCodeIsNotAskedForANameAndHasNoText) {
    TinyLayout layout;
    layout.scanCodes[0x41] = 0x100;  // nothing in the low byte
    const qs::ShortcutText shortcuts(LibraryModifiers, layout);
    EXPECT_EQ(shortcuts.KeyDisplayName(0x0A), "");
    EXPECT_EQ(shortcuts.KeyDisplayName(0x41), "");
    EXPECT_EQ(shortcuts.FormatShortcut(ModShift | ModCtrl | ModAlt | 0x0A), "");
    EXPECT_TRUE(layout.parametersAsked.empty());
}

TEST(ShortcutLayout, DigitKeysAreWrittenAsDigitsWithoutAskingTheLayout) {
    TinyLayout layout;
    layout.Name(0x31, 0x02, "!");  // whatever the layout prints on the key
    const qs::ShortcutText shortcuts(LibraryModifiers, layout);
    EXPECT_EQ(shortcuts.FormatShortcut(ModCtrl | 0x31), "Ctrl+1");
    EXPECT_TRUE(layout.virtualKeysAsked.empty());
    EXPECT_EQ(shortcuts.ParseShortcut("Ctrl+1"), ModCtrl | 0x31);
}

TEST(ShortcutLayout, TwoKeysWithOneNameGiveTheLowerCode) {
    TinyLayout layout;
    layout.Name(0x21, 0x49, "Num 9");  // the editing key and the keypad key share a scan code
    layout.scanCodes[0x69] = 0x49;
    const qs::ShortcutText shortcuts(LibraryModifiers, layout);
    EXPECT_EQ(shortcuts.ParseShortcut("Num 9"), 0x21);
    EXPECT_EQ(shortcuts.ParseShortcut("^num 9"), ModCtrl | 0x21);
}

TEST(ShortcutLayout, AKeyBelowEightIsFoundAboveTheByteWithBitEightOrNine) {
    TinyLayout layout;
    layout.Name(0x05, 0x70, "Five");
    layout.Name(0x03, 0x71, "Three");
    const qs::ShortcutText shortcuts(LibraryModifiers, layout);
    EXPECT_EQ(shortcuts.ParseShortcut("Five"), 0x0105);
    EXPECT_EQ(shortcuts.ParseShortcut("Alt+three"), ModAlt | 0x0103);
}

TEST(ShortcutLayout, KeyNamesThatBeginLikeAModifierCannotBeNamed) {
    TinyLayout layout;
    layout.Name(0x41, 0x1E, "Alt+Gr");
    layout.Name(0x42, 0x30, "^B");
    layout.Name(0x43, 0x2E, "Gr");
    const qs::ShortcutText shortcuts(LibraryModifiers, layout);
    EXPECT_EQ(shortcuts.ParseShortcut("Alt+Gr"), ModAlt | 0x43);
    EXPECT_EQ(shortcuts.ParseShortcut("^B"), 0);
}

TEST(ShortcutLayout, FindsTheKeyByTheWholeNameAfterTheModifiers) {
    TinyLayout layout;
    layout.Name(0x70, 0x3B, "F1");
    layout.Name(0x79, 0x44, "F10");
    const qs::ShortcutText shortcuts(LibraryModifiers, layout);
    EXPECT_EQ(shortcuts.ParseShortcut("F10"), 0x79);
    EXPECT_EQ(shortcuts.ParseShortcut("f1"), 0x70);
    EXPECT_EQ(shortcuts.ParseShortcut("F"), 0);
    EXPECT_EQ(shortcuts.ParseShortcut("F100"), 0);
}

TEST(ShortcutLayout, MissingModifierTextsNeverStopTheParser) {
    TinyLayout layout;
    layout.Name(0x79, 0x44, "F10");
    const qs::ModifierTexts none{"", "", ""};
    const qs::ShortcutText shortcuts(none, layout);
    EXPECT_EQ(shortcuts.ParseShortcut("F10"), 0x79);
    EXPECT_EQ(shortcuts.ParseShortcut("^F10"), ModCtrl | 0x79);
    EXPECT_EQ(shortcuts.ParseShortcut("Ctrl+F10"), 0);
    EXPECT_EQ(shortcuts.FormatShortcut(ModShift | ModCtrl | 0x79), "F10");
}

TEST(ShortcutLayout, ModifierTextsComeFromTheTextsGiven) {
    TinyLayout layout;
    layout.Name(0x79, 0x44, "F10");
    const qs::ModifierTexts english{"Shift+", "Control+", "Alt+"};
    const qs::ShortcutText shortcuts(english, layout);
    EXPECT_EQ(shortcuts.ParseShortcut("Shift+Control+F10"), ModShift | ModCtrl | 0x79);
    EXPECT_EQ(shortcuts.ParseShortcut("Maj+F10"), 0);
    EXPECT_EQ(shortcuts.FormatShortcut(ModShift | ModCtrl | ModAlt | 0x79), "Shift+Control+Alt+F10");
}
