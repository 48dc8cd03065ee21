// The load run by Init. Each file's "OPTION" section is laid over the options held so far,
// and those options are the defaults of the entries read after it, so a file's options never
// reach back to entries already made. Entries are only appended.
#include "config/Load.h"

#include "config/EntryReader.h"
#include "config/IniFile.h"
#include "config/PluginLocation.h"
#include "platform/ModulePath.h"
#include "platform/Profile.h"
#include "plugin/PluginBase.h"

namespace qs {

namespace {

constexpr const char* kConfigFiles[] = {"Quickseek.ini", "Quickseek_MY.ini"};
const std::string kEntryPrefix = "SEARCH_";

void ReadOptions(const IniFile& file, TPluginOptions& options) {
    const std::string section = "OPTION";
    options.Encode = file.ReadInt(section, "ENCODE", options.Encode);
    options.Navigator = file.ReadBool(section, "NAVIGATOR", options.Navigator);
    options.Clipboard = file.ReadBool(section, "CLIPBOARD", options.Clipboard);
    options.Trim = file.ReadBool(section, "TRIM", options.Trim);
    options.CtrlMenu = file.ReadBool(section, "CTRLMENU", options.CtrlMenu);
    options.BeepOnFailure = file.ReadBool(section, "BEEP", options.BeepOnFailure);
    options.Shortcut = file.ReadText(section, "SHORTCUT", options.Shortcut);
}

// The prefix test is exact: upper case only, and "SEARCH_" alone is an entry too.
bool IsEntrySection(const std::string& name) { return name.compare(0, kEntryPrefix.size(), kEntryPrefix) == 0; }

void ReadEntries(const IniFile& file, const std::string& languageCode, PluginState& state) {
    const EntryReader reader(file, languageCode);
    const TPluginOptions& options = state.PluginOptions;
    TCurrentEntry& entry = state.CurrentEntry;
    for (const std::string& section : file.SectionNames()) {
        if (!IsEntrySection(section)) continue;
        entry.Title = reader.ReadText(section, "TITLE", std::string());
        entry.Url = reader.ReadText(section, "URL", std::string());
        if (entry.Title.empty() || entry.Url.empty()) continue;
        entry.Encode = reader.ReadInt(section, "ENCODE", options.Encode);
        entry.Navigator = reader.ReadBool(section, "NAVIGATOR", options.Navigator);
        entry.Clipboard = reader.ReadBool(section, "CLIPBOARD", options.Clipboard);
        entry.Trim = reader.ReadBool(section, "TRIM", options.Trim);
        entry.RegExp = reader.ReadText(section, "REGEXP", std::string());
        state.SearchEntries->push_back(entry.ToRecord());
        ++state.EntryCount;
    }
}

}  // namespace

void LoadConfiguration(PluginState& state, const std::string& directory, const std::string& languageCode) {
    state.SearchEntries.emplace();
    for (const char* name : kConfigFiles) {
        state.IniPath = JoinPath(directory, name, PathSeparator());
        if (!FileExists(state.IniPath)) continue;
        const IniFile file(state.IniPath);
        ReadOptions(file, state.PluginOptions);
        ReadEntries(file, languageCode, state);
    }
}

void Load() {
    PluginState& state = State();
    if (state.SearchEntries) return;
    const std::string directory = PluginDirectory();
    const std::string languageCode = LanguageCode();
    LoadConfiguration(state, directory, languageCode);
}

}  // namespace qs
