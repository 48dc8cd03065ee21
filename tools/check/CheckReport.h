// What the configuration checker found in a plug-in folder: the options in force after each
// file, the menu per language with where each value came from, the sections that give no
// entry, the toolbar buttons, the result of a try, and the problems. Texts hold the
// configuration's own bytes (Windows-1252); the writers convert them for output.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/TableStructure.h"

namespace qs::check {

// Where something was written. Every part may be empty (line 0: not known).
struct Location {
    std::string file;  // "Quickseek.ini"
    std::string section;
    std::string key;
    int line = 0;
};

// Where a value in force came from.
struct Origin {
    enum Kind {
        BuiltIn,      // nothing gave it: the plug-in's built-in default
        Key,          // the key at `where`
        FallbackKey,  // the "fr_" key at `where`, the language's own key having given the default
        Option,       // an entry field that took the option's value; `where` is where the option came from
        Empty,        // a text field that no key gave: empty
    };
    Kind kind = BuiltIn;
    Location where;
};

enum class Severity { Warning, Error };

struct Diagnostic {
    Severity severity = Severity::Warning;
    std::string code;  // stable, for tools: "pattern-refused", "url-without-placeholder", ...
    Location where;
    std::string message;
    std::vector<std::string> languages;  // the languages it concerns; empty: all, or none in particular
    // A pattern the filter refuses, and the byte where the fault lies.
    std::string pattern;
    std::size_t position = 0;
};

struct ConfigFile {
    std::string name;  // "Quickseek.ini"
    std::string path;
    bool exists = false;
};

// The seven options as they stand after one file, each with its origin.
struct OptionsAfterFile {
    std::string file;
    TPluginOptions values;
    Origin encode, navigator, clipboard, trim, ctrlMenu, beep, shortcut;
    std::uint16_t shortcutCode = 0;  // what the shortcut text parses to
    std::string shortcutKeys;        // that code written out again, as this system names its keys
};

struct EntryReport {
    std::size_t position = 0;  // sub-menu item number
    Location section;          // file, section and line of its header
    TSearchEntry stored;       // the record as the menu gets it (texts cut)
    TCurrentEntry read;        // the values as read, before the cuts
    Origin title, url, encode, navigator, clipboard, trim, pattern;
};

// What picking an entry does with the tried selection.
struct TryItem {
    std::size_t position = 0;
    bool enabled = false;  // the sub-menu item's state for this selection
    bool accepted = false; // the run takes the selection (after the trim, by the pattern)
    std::string query;     // the selection after the trim
    std::string address;   // the address built from the template
    bool opens = false;    // handed to the shell (NAVIGATOR)
    bool copies = false;   // put on the clipboard (CLIPBOARD)
    bool beeps = false;    // a refused selection with BEEP on
};

struct LanguageReport {
    std::string code;
    std::vector<EntryReport> entries;
    std::optional<std::string> displayName;  // none: the host gets no name (an empty value)
    Origin displayNameOrigin;
    std::vector<TryItem> tries;
};

// A section that gives no entry, in at least one language.
struct PassedSection {
    Location where;
    std::string reason;
    std::vector<std::string> languages;  // the languages in which it gives none; empty: all
};

struct ButtonKey {
    std::string file;
    std::string key;
    std::string text;  // as written
    int line = 0;
};

struct ButtonSection {
    std::string name;  // "Button2"
    std::vector<ButtonKey> keys;
};

struct CheckReport {
    std::string folder;
    std::string fatal;  // bad input: the one-line message, and nothing else is known
    std::vector<ConfigFile> files;
    std::vector<OptionsAfterFile> options;
    std::vector<LanguageReport> languages;
    std::vector<PassedSection> passedSections;
    std::vector<ButtonSection> buttons;
    std::optional<std::string> tried;  // the selection of --try
    std::vector<Diagnostic> diagnostics;

    std::size_t Count(Severity severity) const;
    // 0 clean, 1 warnings, 2 errors or bad input.
    int ExitCode() const;
};

}  // namespace qs::check
