// Input the checker cannot use gets one line that says why; odd but readable files are checked
// as the plug-in reads them. Nothing crashes.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/PluginFolder.h"
#include "tools/check/FolderCheck.h"
#include "tools/check/ReportWriters.h"

namespace {

using qs::check::CheckFolder;
using qs::check::CheckReport;

CheckReport Check(const qs_test::PluginFolder& folder) { return CheckFolder({folder.Path(), {"fr"}, std::nullopt}); }

struct BadInput {
    const char* name;
    std::string bytes;   // written as Quickseek.ini; empty: nothing is written
    const char* reason;  // a word of the one-line message
};

TEST(CheckerInput, BadInputGetsOneLine) {
    const BadInput cases[] = {
        {"no configuration file", "", "neither Quickseek.ini nor Quickseek_MY.ini"},
        {"a program", std::string("MZ\x90\0\x03\0\0\0", 8) + "This program cannot be run", "zero bytes"},
        {"zeros in text", std::string("[OPTION]\nENCODE=2\0\0\0\n", 21), "zero bytes"},
        {"too large", "[OPTION]\n" + std::string(5 * 1024 * 1024, ';'), "larger than 4 MiB"},
    };
    for (const BadInput& bad : cases) {
        qs_test::PluginFolder folder(false);
        if (!bad.bytes.empty()) folder.Write("Quickseek.ini", bad.bytes);
        const CheckReport report = Check(folder);
        EXPECT_NE(report.fatal.find(bad.reason), std::string::npos) << bad.name << ": " << report.fatal;
        EXPECT_EQ(report.ExitCode(), 2) << bad.name;
        const std::string text = qs::check::WriteText(report);
        EXPECT_EQ(text.find('\n'), text.size() - 1) << bad.name << ": " << text;
        EXPECT_NE(qs::check::WriteJson(report).find("\"fatal\":"), std::string::npos) << bad.name;
    }
}

TEST(CheckerInput, AFolderThatIsNone) {
    qs_test::PluginFolder folder(false);
    folder.Write("file.txt", "x");
    EXPECT_NE(CheckFolder({folder.File("file.txt"), {}, std::nullopt}).fatal.find("is no folder"), std::string::npos);
    EXPECT_NE(CheckFolder({folder.File("missing"), {}, std::nullopt}).fatal.find("no folder"), std::string::npos);
}

// The plug-in passes over a folder that bears a configuration file's name; so does the check.
TEST(CheckerInput, AFolderNamedLikeTheFileIsPassedOver) {
    qs_test::PluginFolder folder(false);
    folder.MakeDirectory("Quickseek.ini");
    folder.Write("Quickseek_MY.ini", "[SEARCH_A]\nfr_TITLE=A\nfr_URL=https://a.example/?q=%1\n");
    const CheckReport report = Check(folder);
    EXPECT_EQ(report.fatal, "");
    EXPECT_FALSE(report.files.at(0).exists);
    EXPECT_EQ(report.languages.at(0).entries.size(), 1u);
    EXPECT_EQ(report.ExitCode(), 0);
}

// A byte order mark makes a file UTF-16 or UTF-8 for the profile function; zero bytes are
// then no sign of a binary file.
TEST(CheckerInput, FilesWithAByteOrderMark) {
    const std::string text = "[SEARCH_A]\r\nfr_TITLE=A\r\nfr_URL=https://a.example/?q=%1\r\nfr_TITEL=typo\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : text) utf16 += std::string(1, c) + std::string(1, '\0');
    for (const std::string& bytes : {utf16, "\xEF\xBB\xBF" + text}) {
        qs_test::PluginFolder folder(false);
        folder.Write("Quickseek.ini", bytes);
        const CheckReport report = Check(folder);
        ASSERT_EQ(report.fatal, "");
        EXPECT_EQ(report.languages.at(0).entries.size(), 1u);
        ASSERT_EQ(report.diagnostics.size(), 1u);
        EXPECT_EQ(report.diagnostics[0].code, "unknown-key");
        EXPECT_EQ(report.diagnostics[0].where.line, 4);
    }
}

// Odd content is read and reported, never a fault: control bytes, high bytes, huge values,
// many sections and keys, headers without names.
TEST(CheckerInput, OddContentIsReportedNotFatal) {
    std::string text = "[]\n[ ]\n[\x01\x80\xFF]\nk\x01=v\n[SEARCH_\xE9]\nfr_TITLE=\xE9t\xE9\nfr_URL=\x01%1\x7F\n";
    text += "[SEARCH_BIG]\nfr_TITLE=" + std::string(5000, 'T') + "\nfr_URL=" + std::string(5000, '%') + "\n";
    text += "fr_REGEXP=" + std::string(3000, '(') + "\n";
    for (int i = 0; i < 300; ++i) text += "[S" + std::to_string(i) + "]\nk" + std::to_string(i) + "=\n=\n==\n";
    qs_test::PluginFolder folder(false);
    folder.Write("Quickseek.ini", text);
    const CheckReport report = Check(folder);
    EXPECT_EQ(report.fatal, "");
    EXPECT_EQ(report.ExitCode(), 2);  // the pattern of [SEARCH_BIG] is refused
    EXPECT_FALSE(qs::check::WriteText(report).empty());
    EXPECT_FALSE(qs::check::WriteJson(report).empty());
}

}  // namespace
