// What the load tells an observer, and that an observer changes nothing of what it loads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/Load.h"
#include "config/LoadObserver.h"
#include "plugin/PluginBase.h"
#include "tests/support/PluginFolder.h"

namespace {

using qs::EntryKeySource;

// Writes every call down as one line.
class Transcript : public qs::LoadObserver {
public:
    explicit Transcript(std::string folder) : folder_(std::move(folder)) {}
    std::vector<std::string> lines;

    void FileVisited(const std::string& path, bool exists) override {
        lines.push_back("file " + Name(path) + (exists ? "" : " missing"));
    }
    void OptionRead(const std::string&, const std::string& key, const qs::KeyText& text) override {
        if (text.present) lines.push_back("option " + key + "=" + text.text);
    }
    void OptionsRead(const std::string& path, const qs::TPluginOptions& options) override {
        lines.push_back("options of " + Name(path) + " encode " + std::to_string(options.Encode));
    }
    void EntryFieldRead(const std::string&, const std::string& section,
                        const qs::EntryFieldReading& reading) override {
        static const char* const sources[] = {"localized", "fallback", "neither"};
        std::string line = section + " " + reading.field + " " + sources[static_cast<int>(reading.source)];
        if (reading.localized.present) line += " " + reading.localizedKey + "=" + reading.localized.text;
        if (reading.fallback.present && reading.fallbackKey != reading.localizedKey)
            line += " " + reading.fallbackKey + "=" + reading.fallback.text;
        lines.push_back(line);
    }
    void SectionPassedOver(const std::string&, const std::string& section, qs::PassedOver why,
                           const qs::TCurrentEntry&) override {
        lines.push_back("passed over " + section +
                        (why == qs::PassedOver::NotAnEntrySection ? " not an entry" : " empty title or URL"));
    }
    void EntryAdded(const std::string&, const std::string& section, std::size_t position,
                    const qs::TCurrentEntry& entry) override {
        lines.push_back("entry " + std::to_string(position) + " " + section + " " + entry.Title);
    }

private:
    std::string Name(const std::string& path) const { return path.substr(folder_.size() + 1); }
    std::string folder_;
};

TEST(LoadObserver, HearsEveryReadAndDecision) {
    qs_test::PluginFolder folder(false);
    folder.Write("Quickseek.ini",
                 "[OPTION]\nENCODE=2\nNAVIGATOR=true\n"
                 "[SEARCH_A]\nen_TITLE=A\nfr_URL=u%1\nen_ENCODE=2\nfr_ENCODE=0\n"
                 "[search_b]\nfr_TITLE=B\nfr_URL=u\n"
                 "[SEARCH_C]\nTITLE=C\nURL=u\n");
    Transcript transcript(folder.Path());
    qs::PluginState state;
    qs::LoadConfiguration(state, folder.Path(), "en", &transcript);
    const std::vector<std::string> expected = {
        "file Quickseek.ini",
        "option ENCODE=2",
        "option NAVIGATOR=true",
        "options of Quickseek.ini encode 2",
        "passed over OPTION not an entry",
        "SEARCH_A TITLE localized en_TITLE=A",
        "SEARCH_A URL fallback fr_URL=u%1",
        // en_ENCODE equals the default: the French key decides
        "SEARCH_A ENCODE fallback en_ENCODE=2 fr_ENCODE=0",
        "SEARCH_A NAVIGATOR neither",
        "SEARCH_A CLIPBOARD neither",
        "SEARCH_A TRIM neither",
        "SEARCH_A REGEXP neither",
        "entry 0 SEARCH_A A",
        "passed over search_b not an entry",
        "SEARCH_C TITLE neither",
        "SEARCH_C URL neither",
        "passed over SEARCH_C empty title or URL",
        "file Quickseek_MY.ini missing",
    };
    EXPECT_EQ(transcript.lines, expected);
}

TEST(LoadObserver, TellsAnEmptyValueFromAnAbsentKey) {
    qs_test::PluginFolder folder(false);
    folder.Write("Quickseek.ini", "[OPTION]\nSHORTCUT=\nBEEP=\x01\n");
    const qs::IniFile file(folder.File("Quickseek.ini"));
    const struct {
        const char* key;
        bool present;
        const char* text;
    } cases[] = {{"SHORTCUT", true, ""}, {"BEEP", true, "\x01"}, {"TRIM", false, ""}};
    for (const auto& c : cases) {
        const qs::KeyText text = qs::ReadKeyText(file, "OPTION", c.key);
        EXPECT_EQ(text.present, c.present) << c.key;
        EXPECT_EQ(text.text, c.text) << c.key;
    }
}

TEST(LoadObserver, LoadsTheSameWithAndWithout) {
    qs_test::PluginFolder folder(false);
    folder.Write("Quickseek.ini", "[OPTION]\nTRIM=0\n[SEARCH_A]\nfr_TITLE=A\nfr_URL=a%1\nfr_REGEXP=^x\n"
                                  "[SEARCH_B]\nfr_TITLE=B\n");
    folder.Write("Quickseek_MY.ini", "[OPTION]\nENCODE=0\nSHORTCUT=F9\n[SEARCH_C]\nen_TITLE=C\nfr_URL=c\n");
    qs::PluginState plain, observed;
    qs::LoadConfiguration(plain, folder.Path(), "en");
    qs::LoadObserver silent;
    qs::LoadConfiguration(observed, folder.Path(), "en", &silent);
    ASSERT_EQ(plain.EntryCount, 2);
    ASSERT_EQ(observed.EntryCount, plain.EntryCount);
    for (std::size_t i = 0; i < 2; ++i) {
        const qs::TSearchEntry& a = plain.SearchEntries->at(i);
        const qs::TSearchEntry& b = observed.SearchEntries->at(i);
        EXPECT_EQ(a.Title.Str(), b.Title.Str());
        EXPECT_EQ(a.Url.Str(), b.Url.Str());
        EXPECT_EQ(a.RegExp.Str(), b.RegExp.Str());
        EXPECT_EQ(a.Encode, b.Encode);
        EXPECT_EQ(a.Trim, b.Trim);
    }
    EXPECT_EQ(observed.PluginOptions.Shortcut, "F9");
    EXPECT_EQ(observed.CurrentEntry.Title, plain.CurrentEntry.Title);
    EXPECT_EQ(observed.IniPath, plain.IniPath);
}

}  // namespace
