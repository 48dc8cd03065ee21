// Rules over the layout of the files. The profile function finds sections and keys ignoring
// letter case and takes the first of a name; the plug-in's own test on a section name, the
// "SEARCH_" prefix, is exact.
#include "tools/check/SectionRules.h"

#include <algorithm>

namespace qs::check {

namespace {

const std::vector<std::string> OptionKeys = {"ENCODE", "NAVIGATOR", "CLIPBOARD", "TRIM", "CTRLMENU", "BEEP", "SHORTCUT"};
const std::vector<std::string> ButtonKeys = {"iLieu", "iPosition", "iNumIcone"};
const std::vector<std::string> NameFields = {"NAME"};
const std::string EntryPrefix = "SEARCH_";

enum class SectionKind { Options, Description, Button, Entry, EntryLike, Unknown };

bool IsCanonicalNumber(const std::string& text) {
    try {
        std::size_t used = 0;
        const long long value = std::stoll(text, &used);
        return used == text.size() && value >= INT32_MIN && value <= INT32_MAX && std::to_string(value) == text;
    } catch (...) {
        return false;
    }
}

SectionKind KindOf(const std::string& name) {
    const std::string upper = UpperAscii(name);
    if (upper == "OPTION") return SectionKind::Options;
    if (upper == "DESCRIPTION") return SectionKind::Description;
    if (name.compare(0, EntryPrefix.size(), EntryPrefix) == 0) return SectionKind::Entry;
    if (upper.compare(0, 6, "SEARCH") == 0) return SectionKind::EntryLike;
    if (upper.compare(0, 6, "BUTTON") == 0 && IsCanonicalNumber(name.substr(6))) return SectionKind::Button;
    return SectionKind::Unknown;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& known) { return SameName(known, name); });
}

bool IsLetters(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

// A localized key: a prefix, "_" and one of fields. The prefix is empty for a key without one.
struct KeyParts {
    bool known = false;  // its name after the prefix is one of the fields
    std::string prefix;
    std::string field;
};

KeyParts SplitKey(const std::string& key, const std::vector<std::string>& fields) {
    if (Contains(fields, key)) return KeyParts{true, "", key};
    const std::size_t underscore = key.find('_');
    if (underscore == std::string::npos) return KeyParts{false, "", key};
    const std::string field = key.substr(underscore + 1);
    return KeyParts{Contains(fields, field), key.substr(0, underscore), field};
}

bool IsLanguagePrefix(const std::string& prefix) { return prefix.size() <= 2 && IsLetters(prefix); }

bool IsComment(const std::string& key) { return !key.empty() && (key[0] == ';' || key[0] == '#'); }

// The first word of a line without "=", to tell a key that lost its "=" from a remark.
std::string FirstWord(const std::string& line) { return line.substr(0, line.find_first_of(" \t:")); }

// How the keys of a section are named.
enum class KeyNaming {
    Plain,            // as they stand: OPTION, Button
    Localized,        // a language prefix, with the French key as fallback: search entries
    LocalizedAlone,   // a language prefix and no fallback: the display name
};

class SectionChecker {
public:
    SectionChecker(const FileContext& file, Findings& findings, std::vector<PassedSection>& passed)
        : file_(file), findings_(findings), passed_(passed) {}

    void Check(const ScannedSection& section, SectionKind kind) {
        switch (kind) {
        case SectionKind::Options: CheckKeys(section, OptionKeys, KeyNaming::Plain); break;
        case SectionKind::Button: CheckKeys(section, ButtonKeys, KeyNaming::Plain); break;
        case SectionKind::Description:
            if (file_.name == PersonalFileName) {
                Warn("description-in-personal-file", At(section),
                     "a [DESCRIPTION] section in " + file_.name + " has no effect: the plug-in's name is read from " +
                         MainFileName + " only");
            }
            CheckKeys(section, NameFields, KeyNaming::LocalizedAlone);
            break;
        case SectionKind::Entry: CheckKeys(section, EntryFields(), KeyNaming::Localized); break;
        case SectionKind::EntryLike: {
            const std::string reason =
                std::string("a section is a search entry only when its name begins with SEARCH_ exactly, in capitals "
                            "and with its underscore") +
                (UpperAscii(section.name).compare(0, 7, EntryPrefix) == 0 ? " (here it is not in capitals)"
                                                                           : " (here the underscore is missing)");
            findings_.Add(Severity::Error, "section-name-not-entry", At(section),
                          "[" + section.name + "] gives no entry: " + reason);
            passed_.push_back(PassedSection{At(section), reason, {}});
            break;
        }
        case SectionKind::Unknown:
            Warn("unknown-section", At(section),
                 "the plug-in never reads [" + section.name + "]: it reads [OPTION], [SEARCH_...], [DESCRIPTION] and "
                 "[Button] followed by a place number, such as [Button2]");
            break;
        }
    }

private:
    void CheckKeys(const ScannedSection& section, const std::vector<std::string>& fields, KeyNaming naming) {
        const bool localized = naming != KeyNaming::Plain;
        for (std::size_t i = 0; i < section.keys.size(); ++i) {
            const ScannedKey& key = section.keys[i];
            if (IsComment(key.name) || key.name.empty()) continue;
            const Location where{file_.name, section.name, key.name, key.line};
            if (!key.hasEquals) {
                const std::string word = FirstWord(key.name);
                const KeyParts parts = SplitKey(word, fields);
                if (parts.known && (!localized || !parts.prefix.empty())) {
                    Warn("key-without-equals", Location{file_.name, section.name, word, key.line},
                         "this line has no \"=\", so " + word + " gives no value");
                }
                continue;
            }
            if (const ScannedKey* first = section.Find(key.name); first != &key) {
                Warn("key-written-twice", where,
                     key.name + " is written again here; the plug-in reads the first one, on line " +
                         std::to_string(first->line));
                continue;
            }
            CheckKeyName(key, where, fields, naming);
        }
    }

    void CheckKeyName(const ScannedKey& key, const Location& where, const std::vector<std::string>& fields,
                      KeyNaming naming) {
        const bool localized = naming != KeyNaming::Plain;
        const KeyParts parts = SplitKey(key.name, fields);
        // "fr_URL https://...?q=%1": the "=" of the value ends the key's name.
        const std::string word = FirstWord(key.name);
        const KeyParts wordParts = SplitKey(word, fields);
        if (!parts.known && word != key.name && wordParts.known && (!localized || !wordParts.prefix.empty())) {
            Warn("key-without-equals", Location{file_.name, where.section, word, where.line},
                 "this line has no \"=\" after " + word + ", so it gives " + word +
                     " no value: a key's name runs up to the first \"=\" of its line");
            return;
        }
        if (!localized) {
            if (!parts.known || !parts.prefix.empty())
                Warn("unknown-key", where, key.name + " is not a key of this section, so it is never read; the keys are " + List(fields));
            return;
        }
        if (!parts.known) {
            Warn("unknown-key", where,
                 key.name + " is not a key of this section, so it is never read; the keys are a language prefix such "
                            "as fr_ or en_ followed by " + List(fields));
        } else if (parts.prefix.empty()) {
            const bool hasFallback = naming == KeyNaming::Localized;
            Warn("key-without-language-prefix", where,
                 key.name + " has no language prefix, so it is never read: write " +
                     (hasFallback ? "fr_" + key.name + " (used for every language without a key of its own) or en_" +
                                        key.name + " and so on"
                                  : "one key per language, such as en_" + key.name + " and fr_" + key.name +
                                        " (there is no fallback for it)"));
        } else if (!IsLanguagePrefix(parts.prefix)) {
            Warn("bad-language-prefix", where,
                 "the prefix " + Quoted(parts.prefix) + " is no language code, so " + key.name +
                     " is never read: the host reports a code of two letters, such as en or fr");
        }
    }

    static std::string List(const std::vector<std::string>& fields) {
        std::string text;
        for (const std::string& field : fields) text += (text.empty() ? "" : ", ") + field;
        return text;
    }
    Location At(const ScannedSection& section) const { return Location{file_.name, section.name, "", section.line}; }
    void Warn(const char* code, Location where, std::string message) {
        findings_.Add(Severity::Warning, code, std::move(where), std::move(message));
    }

    const FileContext& file_;
    Findings& findings_;
    std::vector<PassedSection>& passed_;
};

// The plug-in sees the section names that fit into its list; a section beyond is never read.
void CheckListedSections(const FileContext& file, const RecordedFile& recorded, Findings& findings) {
    const std::vector<std::string>& listed = recorded.listedSections;
    std::size_t named = 0;
    for (const ScannedSection& section : file.scan.sections) {
        if (section.name.empty()) continue;
        const std::size_t at = named++;
        // The last name that fits is cut where the list ends: a name of no section.
        const bool cut = at + 1 == listed.size() && listed[at].size() < section.name.size() &&
                         SameName(listed[at], section.name.substr(0, listed[at].size()));
        if (at < listed.size() && !cut) continue;
        findings.Add(Severity::Error, "section-beyond-list", Location{file.name, section.name, "", section.line},
                     "the plug-in reads the names of a file's sections into a list of 16384 bytes, which ends "
                     "before [" + section.name + "]: this section and those after it are never read");
        return;
    }
}

}  // namespace

bool IsButtonSectionName(const std::string& name) { return KindOf(name) == SectionKind::Button; }

const std::vector<std::string>& EntryFields() {
    static const std::vector<std::string> fields = {"TITLE", "URL", "ENCODE", "NAVIGATOR", "CLIPBOARD", "TRIM", "REGEXP"};
    return fields;
}

std::vector<std::string> LanguagesInFiles(const CheckContext& context) {
    std::vector<std::string> languages = {"fr"};
    for (const FileContext& file : context.files) {
        for (const ScannedSection& section : file.scan.sections) {
            const SectionKind kind = KindOf(section.name);
            if (kind != SectionKind::Entry && kind != SectionKind::Description) continue;
            const std::vector<std::string>& fields = kind == SectionKind::Entry ? EntryFields() : NameFields;
            for (const ScannedKey& key : section.keys) {
                const KeyParts parts = SplitKey(key.name, fields);
                if (!key.hasEquals || !parts.known || !IsLanguagePrefix(parts.prefix)) continue;
                const std::string language = LowerAscii(parts.prefix);
                if (std::find(languages.begin(), languages.end(), language) == languages.end())
                    languages.push_back(language);
            }
        }
    }
    std::sort(languages.begin(), languages.end());
    return languages;
}

void CheckSections(const CheckContext& context, const LoadRecord& record, Findings& findings,
                   std::vector<PassedSection>& passed) {
    for (const FileContext& file : context.files) {
        if (!file.exists) continue;
        SectionChecker checker(file, findings, passed);
        for (std::size_t i = 0; i < file.scan.sections.size(); ++i) {
            const ScannedSection& section = file.scan.sections[i];
            const ScannedSection* first = file.scan.Find(section.name);
            if (section.name.empty()) {
                findings.Add(Severity::Warning, "unknown-section", Location{file.name, "", "", section.line},
                             "a section without a name is never read");
                continue;
            }
            if (first != &section) {
                const bool entry = KindOf(section.name) == SectionKind::Entry;
                findings.Add(Severity::Warning, "section-written-twice", Location{file.name, section.name, "", section.line},
                             "[" + section.name + "] is written a second time here; the plug-in reads the keys of the "
                             "first one, on line " + std::to_string(first->line) +
                                 (entry ? ", and makes a second entry alike from them" : ""));
                continue;
            }
            checker.Check(section, KindOf(section.name));
        }
        for (const RecordedFile& recorded : record.files)
            if (recorded.exists && FileNameOf(recorded.path) == file.name) CheckListedSections(file, recorded, findings);
    }
}

}  // namespace qs::check
