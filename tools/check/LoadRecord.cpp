// Writing down what the load tells its observer.
#include "tools/check/LoadRecord.h"

#include "config/Load.h"

namespace qs::check {

namespace {

class Recorder final : public LoadObserver {
public:
    explicit Recorder(LoadRecord& record) : record_(record) {}

    void FileVisited(const std::string& path, bool exists) override {
        RecordedFile file;
        file.path = path;
        file.exists = exists;
        record_.files.push_back(std::move(file));
    }
    void OptionRead(const std::string&, const std::string& key, const KeyText& text) override {
        record_.files.back().optionKeys.push_back(RecordedOptionKey{key, text});
    }
    void OptionsRead(const std::string&, const TPluginOptions& options) override { record_.files.back().after = options; }
    // A "SEARCH_" section begins with its first field and ends when it gives an entry or is
    // passed over.
    void EntryFieldRead(const std::string& path, const std::string& section, const EntryFieldReading& reading) override {
        if (!sectionOpen_) {
            record_.entrySections.push_back(RecordedSection{path, section, {}, {}, false, 0});
            record_.files.back().listedSections.push_back(section);
            sectionOpen_ = true;
        }
        record_.entrySections.back().fields.push_back(reading);
    }
    void SectionPassedOver(const std::string&, const std::string& section, PassedOver why,
                           const TCurrentEntry& entry) override {
        if (why == PassedOver::NotAnEntrySection) {
            record_.files.back().listedSections.push_back(section);
            return;
        }
        Finish(entry, false, 0);
    }
    void EntryAdded(const std::string&, const std::string&, std::size_t position, const TCurrentEntry& entry) override {
        Finish(entry, true, position);
    }

private:
    void Finish(const TCurrentEntry& entry, bool accepted, std::size_t position) {
        RecordedSection& section = record_.entrySections.back();
        section.entry = entry;
        section.accepted = accepted;
        section.position = position;
        sectionOpen_ = false;
    }

    LoadRecord& record_;
    bool sectionOpen_ = false;
};

}  // namespace

const EntryFieldReading* RecordedSection::Field(const std::string& field) const {
    for (const EntryFieldReading& reading : fields)
        if (reading.field == field) return &reading;
    return nullptr;
}

LoadRecord RecordLoad(PluginState& state, const std::string& folder, const std::string& language) {
    LoadRecord record;
    record.language = language;
    Recorder recorder(record);
    LoadConfiguration(state, folder, language, &recorder);
    return record;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace qs::check
