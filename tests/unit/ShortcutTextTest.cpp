// Shortcut texts and codes on this system's keyboard layout (a US layout: "F10", "A", ...),
// with the library's modifier texts.
#include <gtest/gtest.h>

#include <string>

#include "shortcut/MyShortcut.h"

namespace {

using qs::ModAlt;
using qs::ModCtrl;
using qs::ModShift;
using qs::TShortcutCode;

const qs::ModifierTexts LibraryModifiers{"Maj+", "Ctrl+", "Alt+"};

qs::ShortcutText SystemShortcuts() { return qs::ShortcutText(LibraryModifiers, qs::SystemKeyboard()); }

constexpr TShortcutCode VkF10 = 0x79;

struct ParseCase {
    const char* text;
    unsigned code;
};

const ParseCase ParseCases[] = {
    {"Ctrl+F10", ModCtrl | VkF10},
    {"ctrl+f10", ModCtrl | VkF10},
    {"CTRL+F10", ModCtrl | VkF10},
    {"cTRL+f10", ModCtrl | VkF10},
    {"^F10", ModCtrl | VkF10},
    {"^^F10", ModCtrl | VkF10},
    {"Ctrl+Ctrl+F10", ModCtrl | VkF10},
    {"^Ctrl+F10", ModCtrl | VkF10},
    {"Maj+Ctrl+Alt+F10", ModShift | ModCtrl | ModAlt | VkF10},
    {"Alt+Ctrl+Maj+F10", ModShift | ModCtrl | ModAlt | VkF10},
    {"alt+MAJ+^f10", ModShift | ModCtrl | ModAlt | VkF10},
    {"Maj+F10", ModShift | VkF10},
    {"Alt+F10", ModAlt | VkF10},
    {"F10", VkF10},
    {"F1", 0x70},
    {"Ctrl+F1", ModCtrl | 0x70},
    {"F12", 0x7B},
    {"Ctrl+1", ModCtrl | 0x31},
    {"0", 0x30},
    {"^9", ModCtrl | 0x39},
    {"A", 0x41},
    {"Maj+a", ModShift | 0x41},
    {"Alt+z", ModAlt | 0x5A},
    // Not modifier texts, or not key names.
    {"Shift+F10", 0},
    {"Control+F10", 0},
    {"Ctrl-F10", 0},
    {"Ctrl+NoSuchKey", 0},
    {"F10F10", 0},
    {"G7", 0},
    // Spaces belong to the text compared.
    {"Ctrl + F10", 0},
    {"Ctrl +F10", 0},
    {"Ctrl+ F10", 0},
    {" Ctrl+F10", 0},
    {"Ctrl+F10 ", 0},
    {" F10", 0},
    // Modifiers without a key.
    {"", 0},
    {"Ctrl+", 0},
    {"Maj+Alt+", 0},
    {"^", 0},
    {"^^", 0},
    // Without "+", the name of the Ctrl key itself.
    {"Ctrl", 0x11},
};

}  // namespace

TEST(ParseShortcut, ReadsTheTextsOfTheConfiguration) {
    const qs::ShortcutText shortcuts = SystemShortcuts();
    for (const ParseCase& c : ParseCases) EXPECT_EQ(shortcuts.ParseShortcut(c.text), c.code) << '"' << c.text << '"';
}

TEST(FormatShortcut, WritesModifiersInTheOrderShiftCtrlAltThenTheKey) {
    const qs::ShortcutText shortcuts = SystemShortcuts();
    const struct {
        unsigned code;
        const char* text;
    } cases[] = {
        {ModCtrl | VkF10, "Ctrl+F10"},
        {VkF10, "F10"},
        {ModShift | ModCtrl | ModAlt | 0x41, "Maj+Ctrl+Alt+A"},
        {ModAlt | ModShift | 0x41, "Maj+Alt+A"},
        {0x31, "1"},
        {0x0100 | 0x31, "1"},           // bits 8-12 play no part
        {0x1F00 | ModCtrl | 0x70, "Ctrl+F1"},
        {ModCtrl | 0x30, "Ctrl+0"},
        // A key without a name has no text, whatever the modifiers.
        {0x00, ""},
        {ModShift | ModCtrl | ModAlt | 0x00, ""},
        {ModCtrl | 0x07, ""},
        {ModAlt | 0xFF, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(shortcuts.FormatShortcut(static_cast<TShortcutCode>(c.code)), c.text) << std::hex << c.code;
}

TEST(KeyDisplayName, NamesKeysByTheLayoutAndUsesOnlyTheLowByte) {
    const qs::ShortcutText shortcuts = SystemShortcuts();
    EXPECT_EQ(shortcuts.KeyDisplayName(VkF10), "F10");
    EXPECT_EQ(shortcuts.KeyDisplayName(ModShift | ModCtrl | ModAlt | 0x0300 | VkF10), "F10");
    EXPECT_EQ(shortcuts.KeyDisplayName(0x41), "A");
    EXPECT_EQ(shortcuts.KeyDisplayName(0x00), "");
}

TEST(CutPrefix, RemovesAPrefixThatStartsTheTextInAnyLetterCase) {
    const struct {
        const char* text;
        const char* prefix;
        bool cut;
        const char* left;
    } cases[] = {
        {"Ctrl+F10", "Ctrl+", true, "F10"},
        {"cTRL+F10", "Ctrl+", true, "F10"},
        {"Ctrl+", "Ctrl+", true, ""},
        {"^^F10", "^", true, "^F10"},
        {"\xC9t\xE9", "\xE9T", true, "\xE9"},  // Windows-1252 letters: É, é
        {"Ctrl", "Ctrl+", false, "Ctrl"},        // shorter than the prefix
        {"", "^", false, ""},
        {" Ctrl+F10", "Ctrl+", false, " Ctrl+F10"},
        {"Ctrl-F10", "Ctrl+", false, "Ctrl-F10"},
        {"F10", "", false, "F10"},  // an empty prefix would match forever without consuming
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(qs::CutPrefix(text, c.prefix), c.cut) << '"' << c.text << "\" \"" << c.prefix << '"';
        EXPECT_EQ(text, c.left) << '"' << c.text << "\" \"" << c.prefix << '"';
    }
}
