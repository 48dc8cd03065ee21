// The load run by Init. Each file's "OPTION" section is laid over the options held so far,
// and those options are the defaults of the entries read after it, so a file's options never
// reach back to entries already made. Entries are only appended.
#include "config/Load.h"

#include "config/EntryReader.h"
#include "config/IniFile.h"
#include "config/LoadObserver.h"
#include "config/PluginLocation.h"
#include "platform/ModulePath.h"
#include "platform/Profile.h"
#include "plugin/PluginBase.h"

namespace qs {

namespace {

constexpr const char* kConfigFiles[] = {"Quickseek.ini", "Quickseek_MY.ini"};
const std::string kEntryPrefix = "SEARCH_";
const std::string kOptionSection = "OPTION";

void ReportOptions(const IniFile& file, const TPluginOptions& options, LoadObserver& observer) {
    for (const char* key : {"ENCODE", "NAVIGATOR", "CLIPBOARD", "TRIM", "CTRLMENU", "BEEP", "SHORTCUT"})
        observer.OptionRead(file.Path(), key, ReadKeyText(file, kOptionSection, key));
    observer.OptionsRead(file.Path(), options);
}

void ReadOptions(const IniFile& file, TPluginOptions& options, LoadObserver* observer) {
    const std::string& section = kOptionSection;
    options.Encode = file.ReadInt(section, "ENCODE", options.Encode);
    options.Navigator = file.ReadBool(section, "NAVIGATOR", options.Navigator);
    options.Clipboard = file.ReadBool(section, "CLIPBOARD", options.Clipboard);
    options.Trim = file.ReadBool(section, "TRIM", options.Trim);
    options.CtrlMenu = file.ReadBool(section, "CTRLMENU", options.CtrlMenu);
    options.BeepOnFailure = file.ReadBool(section, "BEEP", options.BeepOnFailure);
    options.Shortcut = file.ReadText(section, "SHORTCUT", options.Shortcut);
    if (observer) ReportOptions(file, options, *observer);
}

// The prefix test is exact: upper case only, and "SEARCH_" alone is an entry too.
bool IsEntrySection(const std::string& name) { return name.compare(0, kEntryPrefix.size(), kEntryPrefix) == 0; }

// The localized reads of one section, each told to the observer when there is one.
class EntryFields {
public:
    EntryFields(const IniFile& file, const std::string& languageCode, LoadObserver* observer)
        : file_(file), reader_(file, languageCode), observer_(observer) {}

    void StartSection(const std::string& section) { section_ = &section; }
    std::string Text(const char* key, const std::string& defaultText) {
        EntryKeySource source = EntryKeySource::Neither;
        std::string value = reader_.ReadText(*section_, key, defaultText, observer_ ? &source : nullptr);
        if (observer_) Report(key, source);
        return value;
    }
    std::int32_t Int(const char* key, std::int32_t defaultValue) {
        EntryKeySource source = EntryKeySource::Neither;
        const std::int32_t value = reader_.ReadInt(*section_, key, defaultValue, observer_ ? &source : nullptr);
        if (observer_) Report(key, source);
        return value;
    }
    bool Bool(const char* key, bool defaultValue) {
        EntryKeySource source = EntryKeySource::Neither;
        const bool value = reader_.ReadBool(*section_, key, defaultValue, observer_ ? &source : nullptr);
        if (observer_) Report(key, source);
        return value;
    }

private:
    void Report(const char* key, EntryKeySource source) {
        EntryFieldReading reading;
        reading.field = key;
        reading.localizedKey = reader_.LocalizedKey(key);
        reading.localized = ReadKeyText(file_, *section_, reading.localizedKey);
        reading.fallbackKey = EntryReader::FallbackKey(key);
        reading.fallback = ReadKeyText(file_, *section_, reading.fallbackKey);
        reading.source = source;
        observer_->EntryFieldRead(file_.Path(), *section_, reading);
    }

    const IniFile& file_;
    const EntryReader reader_;
    LoadObserver* observer_;
    const std::string* section_ = nullptr;
};

void ReadEntries(const IniFile& file, const std::string& languageCode, PluginState& state, LoadObserver* observer) {
    EntryFields fields(file, languageCode, observer);
    const TPluginOptions& options = state.PluginOptions;
    TCurrentEntry& entry = state.CurrentEntry;
    for (const std::string& section : file.SectionNames()) {
        if (!IsEntrySection(section)) {
            if (observer) observer->SectionPassedOver(file.Path(), section, PassedOver::NotAnEntrySection, entry);
            continue;
        }
        fields.StartSection(section);
        entry.Title = fields.Text("TITLE", std::string());
        entry.Url = fields.Text("URL", std::string());
        if (entry.Title.empty() || entry.Url.empty()) {
            if (observer) observer->SectionPassedOver(file.Path(), section, PassedOver::EmptyTitleOrUrl, entry);
            continue;
        }
        entry.Encode = fields.Int("ENCODE", options.Encode);
        entry.Navigator = fields.Bool("NAVIGATOR", options.Navigator);
        entry.Clipboard = fields.Bool("CLIPBOARD", options.Clipboard);
        entry.Trim = fields.Bool("TRIM", options.Trim);
        entry.RegExp = fields.Text("REGEXP", std::string());
        state.SearchEntries->push_back(entry.ToRecord());
        ++state.EntryCount;
        if (observer) observer->EntryAdded(file.Path(), section, state.SearchEntries->size() - 1, entry);
    }
}

}  // namespace

void LoadConfiguration(PluginState& state, const std::string& directory, const std::string& languageCode,
                       LoadObserver* observer) {
    state.SearchEntries.emplace();
    for (const char* name : kConfigFiles) {
        state.IniPath = JoinPath(directory, name, PathSeparator());
        const bool exists = FileExists(state.IniPath);
        if (observer) observer->FileVisited(state.IniPath, exists);
        if (!exists) continue;
        const IniFile file(state.IniPath);
        ReadOptions(file, state.PluginOptions, observer);
        ReadEntries(file, languageCode, state, observer);
    }
}

void Load() {
    PluginState& state = State();
    if (state.SearchEntries) return;
    // The list exists from the start, so that an Init the host calls again from inside
    // CodeLangue, while this load asks for the language, finds the load under way and changes
    // nothing, instead of loading the entries a second time under this load's feet.
    state.SearchEntries.emplace();
    const std::string directory = PluginDirectory();
    const std::string languageCode = LanguageCode();
    LoadConfiguration(state, directory, languageCode);
}

}  // namespace qs
