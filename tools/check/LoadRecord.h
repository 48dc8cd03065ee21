// One run of the plug-in's load over a folder, in one language, with everything the load
// told its observer written down.
#pragma once
#include <string>
#include <vector>

#include "config/LoadObserver.h"
#include "plugin/PluginBase.h"

namespace qs::check {

struct RecordedOptionKey {
    std::string key;
    KeyText text;
};

struct RecordedFile {
    std::string path;
    bool exists = false;
    std::vector<RecordedOptionKey> optionKeys;  // in the order the load reads them
    TPluginOptions after;                       // the options once its "OPTION" section is read
    std::vector<std::string> listedSections;    // the section names the load was given, in order
};

// A section read as a search entry, whether or not it gave one.
struct RecordedSection {
    std::string path;
    std::string section;
    std::vector<EntryFieldReading> fields;  // in the order the load reads them
    TCurrentEntry entry;                    // what was read of it
    bool accepted = false;
    std::size_t position = 0;               // sub-menu item number, when accepted

    const EntryFieldReading* Field(const std::string& field) const;
};

struct LoadRecord {
    std::string language;
    std::vector<RecordedFile> files;
    std::vector<RecordedSection> entrySections;  // every "SEARCH_" section, in reading order
};

// Runs the plug-in's load over the folder in the language, into state, and records it.
LoadRecord RecordLoad(PluginState& state, const std::string& folder, const std::string& language);

// The file name at the end of a path.
std::string FileNameOf(const std::string& path);

}  // namespace qs::check
