// What the sample configuration in examples/ gives a host: the menu in English and French, and
// what picking items does with a few selections. Both the plug-in itself and the configuration
// checker's try are held to it.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace qs_test::sample {

inline const std::vector<std::string> EnglishMenu = {
    "Search the web",     "Encyclopedia (English)", "Show on a map",   "Dictionary",
    "Translate into English", "Search source code", "Look up an ISBN", "Copy the selection, trimmed",
    "My project's issue tracker",
};

inline const std::vector<std::string> FrenchMenu = {
    "Rechercher sur le web", "Encyclop\xE9" "die (fran\xE7" "ais)", "Afficher sur une carte", "Dictionnaire",
    "Traduire en fran\xE7" "ais", "Chercher dans le code source", "Chercher un ISBN",
    "Copier la s\xE9" "lection, sans espaces autour", "Les tickets de mon projet",
};

// The shortcut the personal file sets: Ctrl+Alt+F10.
constexpr unsigned ShortcutCode = 0xC079;

// A pick of one item in English: whether the item is enabled, the address handed to the shell
// and the text put on the clipboard (empty: none).
struct Pick {
    std::string selection;  // Windows-1252
    std::size_t item;
    bool enabled;
    std::string opens;
    std::string clipboard;
};

inline const std::vector<Pick> EnglishPicks = {
    {"  978-2-07-036822-8 ", 0, true, "https://duckduckgo.com/?q=978-2-07-036822-8", ""},
    {"  978-2-07-036822-8 ", 6, true, "https://openlibrary.org/search?isbn=978-2-07-036822-8", ""},
    {"  978-2-07-036822-8 ", 7, true, "", "978-2-07-036822-8"},
    {"  978-2-07-036822-8 ", 8, true, "https://codeberg.org/quickseek/quickseek/issues?q=978-2-07-036822-8",
     "978-2-07-036822-8"},
    {"caf\xE9 au lait", 0, true, "https://duckduckgo.com/?q=caf%C3%A9+au+lait", ""},
    {"caf\xE9 au lait", 3, false, "", ""},
    {"caf\xE9 au lait", 4, true, "https://translate.google.com/?sl=auto&tl=en&op=translate&text=caf%C3%A9+au+lait", ""},
    {"caf\xE9 au lait", 6, false, "", ""},
    {"caf\xE9 au lait", 7, true, "", "caf\xE9 au lait"},
    {"caf\xE9", 3, true, "https://en.wiktionary.org/wiki/caf%C3%A9", ""},
    {"caf\xE9", 8, true, "https://codeberg.org/quickseek/quickseek/issues?q=caf%C3%A9", "caf\xE9"},
};

}  // namespace qs_test::sample
