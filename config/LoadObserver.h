// What the load tells an observer about what it read and why, for tools that explain a
// configuration to its user. The plug-in loads without one; the observer sees the load's own
// reads and decisions, never a second reading of the files.
#pragma once
#include <cstddef>
#include <string>

#include "config/EntryReader.h"
#include "config/IniFile.h"
#include "config/TableStructure.h"

namespace qs {

// A key as its file gives it: absent, or present with its text (cut to 2047 characters).
struct KeyText {
    bool present = false;
    std::string text;
};

// Reads what a key holds, telling an absent key from one written with an empty value.
KeyText ReadKeyText(const IniFile& file, const std::string& section, const std::string& key);

// One field of a "SEARCH_" section: the two keys the localized read asked and which one won.
struct EntryFieldReading {
    std::string field;         // "TITLE", "URL", "ENCODE", ...
    std::string localizedKey;  // "en_TITLE"
    KeyText localized;
    std::string fallbackKey;   // "fr_TITLE"; the same key as localizedKey for the language fr
    KeyText fallback;
    EntryKeySource source = EntryKeySource::Neither;
};

// Why a section gives no entry.
enum class PassedOver {
    NotAnEntrySection,  // its name does not begin with "SEARCH_", exactly so
    EmptyTitleOrUrl,    // its title or its URL came out empty
};

class LoadObserver {
public:
    virtual ~LoadObserver() = default;

    // A configuration file, in the order of reading; one that does not exist is passed over.
    virtual void FileVisited(const std::string& /*path*/, bool /*exists*/) {}
    // One key of the "OPTION" section, in the order the load reads them.
    virtual void OptionRead(const std::string& /*path*/, const std::string& /*key*/, const KeyText& /*text*/) {}
    // The options in force once a file's "OPTION" section has been read.
    virtual void OptionsRead(const std::string& /*path*/, const TPluginOptions& /*options*/) {}
    // One field of the section being read as a search entry.
    virtual void EntryFieldRead(const std::string& /*path*/, const std::string& /*section*/,
                                const EntryFieldReading& /*reading*/) {}
    // A section that gives no entry; entry holds what was read of it (title and URL at most).
    virtual void SectionPassedOver(const std::string& /*path*/, const std::string& /*section*/, PassedOver /*why*/,
                                   const TCurrentEntry& /*entry*/) {}
    // A new entry, at its sub-menu position; entry holds its values before the record's cuts.
    virtual void EntryAdded(const std::string& /*path*/, const std::string& /*section*/, std::size_t /*position*/,
                            const TCurrentEntry& /*entry*/) {}
};

}  // namespace qs
