// Reading values and section names of one file: the default only for an absent key, the
// cut of long values, the integer and boolean forms, and the list of section names.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "config/IniFile.h"
#include "tests/support/PluginFolder.h"

namespace {

class IniFileTest : public ::testing::Test {
protected:
    qs::IniFile Write(const std::string& content) {
        folder_.Write("test.ini", content);
        return qs::IniFile(folder_.File("test.ini"));
    }
    qs_test::PluginFolder folder_{false};
};

TEST_F(IniFileTest, TheDefaultComesOnlyForAnAbsentKey) {
    const qs::IniFile file = Write("[S]\nVALUE=text\nEMPTY=\nSPACES=   \nQUOTED=\"\"\nBARE\n");
    const struct {
        const char* key;
        const char* defaultText;
        const char* expected;
    } cases[] = {
        {"VALUE", "d", "text"},
        {"value", "d", "text"},
        {"EMPTY", "d", ""},
        {"SPACES", "d", ""},
        {"QUOTED", "d", ""},
        {"MISSING", "d", "d"},
        {"BARE", "d", "d"},  // a line without "=" holds no value
        {"MISSING", "", ""},
        // the default comes back as it was given, not trimmed or unquoted as the profile function would
        {"MISSING", "with spaces   ", "with spaces   "},
        {"MISSING", "\"quoted\"", "\"quoted\""},
        {"MISSING", "\x01<absent>\x01", "\x01<absent>\x01"},
    };
    for (const auto& c : cases) EXPECT_EQ(file.ReadText("S", c.key, c.defaultText), c.expected) << c.key;
    EXPECT_EQ(file.ReadText("NO SECTION", "VALUE", "d"), "d");
}

TEST_F(IniFileTest, AValueIsCutTo2047Characters) {
    const std::string value(5000, 'v');
    const qs::IniFile file = Write("[S]\nLONG=" + value + "\nQUOTED=\"" + value + "\"\nEXACT=" + value.substr(0, 2047) + "\n");
    EXPECT_EQ(file.ReadText("S", "LONG", "d"), value.substr(0, 2047));
    EXPECT_EQ(file.ReadText("S", "QUOTED", "d"), value.substr(0, 2047));
    EXPECT_EQ(file.ReadText("S", "EXACT", "d"), value.substr(0, 2047));
    const std::string longDefault(3000, 'd');
    EXPECT_EQ(file.ReadText("S", "MISSING", longDefault), longDefault);
}

TEST_F(IniFileTest, FilesThatCannotBeReadGiveTheDefaults) {
    folder_.MakeDirectory("folder.ini");
    for (const std::string& path : {folder_.File("missing.ini"), folder_.File("folder.ini"),
                                    folder_.File("no folder") + "/x.ini", std::string()}) {
        const qs::IniFile file(path);
        EXPECT_EQ(file.ReadText("S", "K", "d"), "d") << path;
        EXPECT_EQ(file.ReadText("S", "K", ""), "") << path;
        EXPECT_EQ(file.ReadInt("S", "K", 42), 42) << path;
        EXPECT_TRUE(file.ReadBool("S", "K", true)) << path;
        EXPECT_TRUE(file.SectionNames().empty()) << path;
    }
}

TEST_F(IniFileTest, IntegersAndBooleans) {
    const qs::IniFile file = Write(
        "[S]\nHEX=0x2\nDOLLAR=$2\nX=x2\nWORD=two\nSUFFIX=2a\nALLSET=$FFFFFFFF\nEMPTY=\nSPACED=  7  \nQUOTED=\" 8\"\n"
        "TRUE=true\nZERO=0\nTWO=2\nMINUS=-1\nTABBED=\t9\n");
    const struct {
        const char* key;
        std::int32_t expected;
    } integers[] = {
        {"HEX", 2}, {"DOLLAR", 2}, {"X", 2}, {"WORD", 99}, {"SUFFIX", 99}, {"ALLSET", -1}, {"EMPTY", 99},
        {"MISSING", 99}, {"SPACED", 7},  // the profile function trims the value before it is parsed
        {"QUOTED", 8}, {"TABBED", 9},
    };
    for (const auto& c : integers) EXPECT_EQ(file.ReadInt("S", c.key, 99), c.expected) << c.key;

    const struct {
        const char* key;
        bool whenDefaultFalse, whenDefaultTrue;
    } booleans[] = {
        {"TRUE", false, true}, {"ZERO", false, false}, {"TWO", true, true}, {"MINUS", true, true},
        {"EMPTY", false, true}, {"MISSING", false, true}, {"ALLSET", true, true},
    };
    for (const auto& c : booleans) {
        EXPECT_EQ(file.ReadBool("S", c.key, false), c.whenDefaultFalse) << c.key;
        EXPECT_EQ(file.ReadBool("S", c.key, true), c.whenDefaultTrue) << c.key;
    }
}

TEST_F(IniFileTest, SectionNamesInFileOrder) {
    const qs::IniFile file = Write("TOP=1\n[B]\n[A]\nK=1\n[search_x]\n[B]\n[SEARCH_]\n");
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"B", "A", "search_x", "B", "SEARCH_"}));
    EXPECT_TRUE(Write("").SectionNames().empty());
    EXPECT_TRUE(Write("K=1\nJ=2\n").SectionNames().empty());
}

TEST_F(IniFileTest, TheListOfSectionNamesEndsWhere16384BytesEnd) {
    std::string content;
    std::vector<std::string> written;
    char name[16];
    for (int i = 0; i < 5000; ++i) {
        std::snprintf(name, sizeof name, "S%05d", i);
        written.push_back(name);
        content += "[" + written.back() + "]\n";
    }
    const std::vector<std::string> names = Write(content).SectionNames();
    ASSERT_GT(names.size(), 2000u);
    ASSERT_LT(names.size(), written.size());
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        bytes += names[i].size() + 1;
        if (i + 1 < names.size()) {
            EXPECT_EQ(names[i], written[i]);
        } else {
            // the name at the cut is kept as far as it fits
            EXPECT_EQ(written[i].compare(0, names[i].size(), names[i]), 0) << names[i];
        }
    }
    EXPECT_LE(bytes, qs::IniSectionListSize);
    EXPECT_GT(bytes, qs::IniSectionListSize - 8);
}

}  // namespace
