// The load of both configuration files into a module state, in one folder per test.
#include <gtest/gtest.h>

#include <string>

#include "config/Load.h"
#include "host/HostState.h"
#include "plugin/PluginBase.h"
#include "tests/support/PluginFolder.h"

namespace {

class LoadTest : public ::testing::Test {
protected:
    void Run(const std::string& language = "en") { qs::LoadConfiguration(state_, folder_.Path(), language); }
    const qs::TSearchEntry& Entry(std::size_t i) { return state_.SearchEntries->at(i); }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const auto& entry : *state_.SearchEntries) titles.push_back(entry.Title.Str());
        return titles;
    }

    qs_test::PluginFolder folder_{false};
    qs::PluginState state_;
};

std::string Section(const std::string& name, const std::string& title, const std::string& more = "") {
    return "[SEARCH_" + name + "]\nfr_TITLE=" + title + "\nfr_URL=http://" + name + "/?q=%1\n" + more;
}

TEST_F(LoadTest, NoConfigurationFileLeavesTheBuiltInValues) {
    Run();
    ASSERT_TRUE(state_.SearchEntries.has_value());
    EXPECT_TRUE(state_.SearchEntries->empty());
    EXPECT_EQ(state_.EntryCount, 0);
    const qs::TPluginOptions builtIn;
    EXPECT_EQ(state_.PluginOptions.Encode, 1);
    EXPECT_EQ(state_.PluginOptions.Shortcut, "Ctrl+F10");
    EXPECT_TRUE(state_.PluginOptions.Navigator && state_.PluginOptions.Clipboard && state_.PluginOptions.Trim &&
                state_.PluginOptions.CtrlMenu && state_.PluginOptions.BeepOnFailure);
    EXPECT_EQ(state_.CurrentEntry.Title, "");
    EXPECT_EQ(state_.CurrentEntry.Encode, 1);
    EXPECT_EQ(state_.IniPath, folder_.File("Quickseek_MY.ini"));
}

TEST_F(LoadTest, OnlyThePersonalFile) {
    folder_.Write("Quickseek_MY.ini", "[OPTION]\nENCODE=2\nBEEP=0\n" + Section("Mine", "Mine"));
    Run();
    EXPECT_EQ(Titles(), std::vector<std::string>{"Mine"});
    EXPECT_EQ(Entry(0).Encode, 2);
    EXPECT_FALSE(state_.PluginOptions.BeepOnFailure);
    EXPECT_TRUE(state_.PluginOptions.CtrlMenu);
    EXPECT_EQ(state_.IniPath, folder_.File("Quickseek_MY.ini"));
}

TEST_F(LoadTest, AFilesOptionsApplyToItsOwnEntriesAndLaterOnesOnly) {
    folder_.Write("Quickseek.ini", "[OPTION]\nENCODE=0\nTRIM=0\n" + Section("A", "A") + Section("B", "B", "fr_ENCODE=2\n"));
    folder_.Write("Quickseek_MY.ini", "[OPTION]\nENCODE=2\nCLIPBOARD=0\n" + Section("C", "C") + Section("A", "A again"));
    Run();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "B", "C", "A again"}));
    EXPECT_EQ(state_.EntryCount, 4);
    const struct {
        std::int32_t encode;
        bool clipboard, trim;
    } expected[] = {{0, true, false}, {2, true, false}, {2, false, false}, {2, false, false}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Entry(i).Encode, expected[i].encode) << i;
        EXPECT_EQ(Entry(i).Clipboard, expected[i].clipboard) << i;
        EXPECT_EQ(Entry(i).Trim, expected[i].trim) << i;
    }
    EXPECT_EQ(state_.PluginOptions.Encode, 2);
}

TEST_F(LoadTest, OnlyTheExactUpperCasePrefixMakesAnEntry) {
    folder_.Write("Quickseek.ini", "[search_web]\nfr_TITLE=lower\nfr_URL=u\n[SEARCH]\nfr_TITLE=no underscore\nfr_URL=u\n"
                                   "[Search_X]\nfr_TITLE=mixed\nfr_URL=u\n[SEARCH_]\nfr_TITLE=bare prefix\nfr_URL=u\n"
                                   "[XSEARCH_Z]\nfr_TITLE=inside\nfr_URL=u\n"
                                   // the profile function trims a section's name
                                   "[ SEARCH_Y ]\nfr_TITLE=spaces around\nfr_URL=u\n");
    Run();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"bare prefix", "spaces around"}));
}

TEST_F(LoadTest, KeysFollowTheLanguageWithFrenchAsFallback) {
    folder_.Write("Quickseek.ini",
                  "[SEARCH_Mixed]\nfr_TITLE=Titre\nen_URL=http://en/?q=%1\n"
                  "[SEARCH_Both]\nfr_TITLE=Titre\nen_TITLE=Title\nfr_URL=http://fr/\nen_URL=http://en/\n"
                  "[SEARCH_EmptyEnglish]\nen_TITLE=\nfr_TITLE=Vide\nfr_URL=u\n"
                  "[SEARCH_EmptyOnly]\nen_TITLE=\nfr_URL=u\n"
                  "[SEARCH_Bare]\nTITLE=t\nURL=u\n"
                  "[SEARCH_German]\nde_TITLE=Titel\nde_URL=u\n");
    Run("en");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Titre", "Title", "Vide"}));
    EXPECT_EQ(Entry(0).Url.Str(), "http://en/?q=%1");
    EXPECT_EQ(Entry(1).Url.Str(), "http://en/");

    qs::PluginState german;
    qs::LoadConfiguration(german, folder_.Path(), "de");
    ASSERT_EQ(german.EntryCount, 3);  // the English URL is no German one
    EXPECT_EQ(german.SearchEntries->front().Title.Str(), "Titre");
    EXPECT_EQ(german.SearchEntries->back().Title.Str(), "Titel");
}

TEST_F(LoadTest, AnIntegerOrBooleanEqualToTheDefaultFallsBackToFrench) {
    folder_.Write("Quickseek.ini", Section("One", "one", "en_ENCODE=1\nfr_ENCODE=2\n") +
                                       Section("Zero", "zero", "en_ENCODE=0\nfr_ENCODE=2\n") +
                                       Section("Bad", "bad", "en_ENCODE=two\nfr_ENCODE=0\n") +
                                       Section("Nav", "nav", "en_NAVIGATOR=1\nfr_NAVIGATOR=0\n") +
                                       Section("NavOff", "navoff", "en_NAVIGATOR=0\nfr_NAVIGATOR=1\n") +
                                       Section("Pattern", "pattern", "en_REGEXP=\nfr_REGEXP=^a\n"));
    Run("en");
    ASSERT_EQ(state_.EntryCount, 6);
    EXPECT_EQ(Entry(0).Encode, 2);
    EXPECT_EQ(Entry(1).Encode, 0);
    EXPECT_EQ(Entry(2).Encode, 0);
    EXPECT_FALSE(Entry(3).Navigator);
    EXPECT_FALSE(Entry(4).Navigator);
    EXPECT_EQ(Entry(5).RegExp.Str(), "^a");
}

TEST_F(LoadTest, RecordsCutTheirTexts) {
    const std::string title(150, 't'), url(300, 'u'), pattern(300, 'p');
    folder_.Write("Quickseek.ini", "[SEARCH_Long]\nfr_TITLE=" + title + "\nfr_URL=" + url + "\nfr_REGEXP=" + pattern + "\n");
    Run();
    ASSERT_EQ(state_.EntryCount, 1);
    EXPECT_EQ(Entry(0).Title.Str(), title.substr(0, 100));
    EXPECT_EQ(Entry(0).Url.Str(), url.substr(0, 255));
    EXPECT_EQ(Entry(0).RegExp.Str(), pattern.substr(0, 255));
    EXPECT_EQ(state_.CurrentEntry.RegExp, pattern);  // the working copy keeps the whole pattern
}

TEST_F(LoadTest, OptionValues) {
    const struct {
        const char* line;
        std::int32_t encode;
        bool navigator;
        const char* shortcut;
    } cases[] = {
        {"NAVIGATOR=true", 5, false, "Alt+X"},  // not an integer: the value held before
        {"NAVIGATOR=0", 5, false, "Alt+X"},
        {"NAVIGATOR=2", 5, true, "Alt+X"},
        {"NAVIGATOR=-1", 5, true, "Alt+X"},
        {"ENCODE=0x2", 2, false, "Alt+X"},
        {"ENCODE=$2", 2, false, "Alt+X"},
        {"ENCODE=x2", 2, false, "Alt+X"},
        {"ENCODE=2a", 5, false, "Alt+X"},
        {"ENCODE=two", 5, false, "Alt+X"},
        {"ENCODE=$FFFFFFFF", -1, false, "Alt+X"},
        {"SHORTCUT=", 5, false, ""},  // empty, and the built-in text does not come back
        {"SHORTCUT=Ctrl+Shift+A", 5, false, "Ctrl+Shift+A"},
    };
    for (const auto& c : cases) {
        folder_.Write("Quickseek.ini", "[OPTION]\nENCODE=5\nNAVIGATOR=0\nSHORTCUT=Alt+X\n");
        folder_.Write("Quickseek_MY.ini", std::string("[OPTION]\n") + c.line + "\n");
        qs::PluginState state;
        qs::LoadConfiguration(state, folder_.Path(), "en");
        EXPECT_EQ(state.PluginOptions.Encode, c.encode) << c.line;
        EXPECT_EQ(state.PluginOptions.Navigator, c.navigator) << c.line;
        EXPECT_EQ(state.PluginOptions.Shortcut, c.shortcut) << c.line;
    }
}

TEST_F(LoadTest, TheWorkingCopyHoldsTheLastSectionExamined) {
    folder_.Write("Quickseek.ini", Section("A", "a", "fr_ENCODE=0\n") + Section("B", "b", "fr_ENCODE=7\n") +
                                       Section("C", "c", "fr_ENCODE=2\nfr_TRIM=0\nfr_REGEXP=x+\n") +
                                       "[SEARCH_NoUrl]\nfr_TITLE=no url\nfr_ENCODE=0\n");
    Run();
    EXPECT_EQ(state_.EntryCount, 3);
    EXPECT_EQ(Entry(1).Encode, 7);  // stored as read
    EXPECT_EQ(state_.CurrentEntry.Title, "no url");
    EXPECT_EQ(state_.CurrentEntry.Url, "");
    EXPECT_EQ(state_.CurrentEntry.Encode, 2);
    EXPECT_FALSE(state_.CurrentEntry.Trim);
    EXPECT_EQ(state_.CurrentEntry.RegExp, "x+");
}

TEST_F(LoadTest, SectionsWrittenTwiceGiveTwoEqualEntries) {
    folder_.Write("Quickseek.ini", Section("Twice", "first") + Section("Other", "other") + Section("Twice", "second"));
    Run();
    // The profile function finds a key in the first section of a name only.
    EXPECT_EQ(Titles(), (std::vector<std::string>{"first", "other", "first"}));
}

TEST_F(LoadTest, FilesThatAreNoFilesArePassedOver) {
    folder_.MakeDirectory("Quickseek.ini");
    folder_.Write("Quickseek_MY.ini", Section("Mine", "mine"));
    Run();
    EXPECT_EQ(Titles(), std::vector<std::string>{"mine"});
}

TEST_F(LoadTest, BrokenFilesLoadWhatTheyHold) {
    std::string garbage(100000, '\0');
    std::uint32_t seed = 7;
    for (char& byte : garbage) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<char>(seed >> 24);
    }
    const struct {
        const char* what;
        std::string quickseek, personal;
        std::int32_t entries;
    } cases[] = {
        {"empty files", "", "", 0},
        {"garbage", garbage, garbage, 0},
        {"garbage around an entry", garbage + "\n" + Section("G", "g") + garbage, "", 1},
        {"zero bytes", std::string("[SEARCH_N\0ul]\nfr_TITLE=t\0x\nfr_URL=u\n", 36), std::string(64, '\0'), 1},
        {"a header without end", "[SEARCH_Open\nfr_TITLE=t\nfr_URL=u\n", "[", 0},
        {"a line of one megabyte", "[SEARCH_L]\nfr_TITLE=" + std::string(1 << 20, 'x') + "\nfr_URL=u\n", "", 1},
    };
    for (const auto& c : cases) {
        folder_.Write("Quickseek.ini", c.quickseek);
        folder_.Write("Quickseek_MY.ini", c.personal);
        qs::PluginState state;
        qs::LoadConfiguration(state, folder_.Path(), "en");
        EXPECT_EQ(state.EntryCount, c.entries) << c.what;
        EXPECT_EQ(static_cast<std::int32_t>(state.SearchEntries->size()), state.EntryCount) << c.what;
    }
}

TEST(Load, ReadsTheConfigurationOncePerLoad) {
    qs::ResetState();
    host::Script() = host::HostScript{};
    qs::Load();
    ASSERT_TRUE(qs::State().SearchEntries.has_value());
    EXPECT_EQ(host::Script().CountCalls("CodeLangue"), 1);
    const std::string iniPath = qs::State().IniPath;
    EXPECT_NE(iniPath.find("Quickseek_MY.ini"), std::string::npos);

    qs::State().SearchEntries->push_back(qs::TSearchEntry{});
    qs::State().IniPath = "changed";
    qs::Load();
    EXPECT_EQ(host::Script().CountCalls("CodeLangue"), 1);
    EXPECT_EQ(qs::State().SearchEntries->size(), 1u);
    EXPECT_EQ(qs::State().IniPath, "changed");
    qs::ResetState();
}

}  // namespace
