// The checker's account of the sample configuration: clean, the menu the host gets in each
// language, where the values came from, and what a pick of each item does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/PluginFolder.h"
#include "tests/support/SampleConfiguration.h"
#include "tools/check/FolderCheck.h"

namespace {

using qs::check::CheckReport;
using qs::check::Origin;

CheckReport CheckSample(std::vector<std::string> languages = {},
                        std::optional<std::string> selection = std::nullopt) {
    return qs::check::CheckFolder({qs_test::SourceFile("examples"), std::move(languages), std::move(selection)});
}

std::vector<std::string> Titles(const qs::check::LanguageReport& language) {
    std::vector<std::string> titles;
    for (const auto& entry : language.entries) titles.push_back(entry.stored.Title.Str());
    return titles;
}

TEST(SampleCheck, IsCleanWithTheMenuOfEachLanguage) {
    const CheckReport report = CheckSample();
    EXPECT_EQ(report.fatal, "");
    EXPECT_TRUE(report.diagnostics.empty()) << report.diagnostics.front().message;
    EXPECT_EQ(report.ExitCode(), 0);
    ASSERT_EQ(report.languages.size(), 2u);
    EXPECT_EQ(report.languages[0].code, "en");
    EXPECT_EQ(Titles(report.languages[0]), qs_test::sample::EnglishMenu);
    EXPECT_EQ(report.languages[1].code, "fr");
    EXPECT_EQ(Titles(report.languages[1]), qs_test::sample::FrenchMenu);
    EXPECT_EQ(report.languages[0].displayName, "Quickseek web search");
}

TEST(SampleCheck, TellsWhereEachValueCameFrom) {
    const CheckReport report = CheckSample({"en"});
    ASSERT_EQ(report.options.size(), 2u);
    // After the personal file: CLIPBOARD and SHORTCUT are its own, the rest from Quickseek.ini.
    const qs::check::OptionsAfterFile& last = report.options[1];
    EXPECT_EQ(last.clipboard.where.file, "Quickseek_MY.ini");
    EXPECT_EQ(last.shortcut.where.file, "Quickseek_MY.ini");
    EXPECT_EQ(last.encode.where.file, "Quickseek.ini");
    EXPECT_EQ(last.shortcutCode, qs_test::sample::ShortcutCode);
    EXPECT_TRUE(last.values.Clipboard);
    EXPECT_FALSE(report.options[0].values.Clipboard);

    const auto& entries = report.languages.at(0).entries;
    ASSERT_EQ(entries.size(), qs_test::sample::EnglishMenu.size());
    const qs::check::EntryReport& web = entries[0];
    EXPECT_EQ(web.title.kind, Origin::Key);
    EXPECT_EQ(web.title.where.key, "en_TITLE");
    EXPECT_EQ(web.url.kind, Origin::FallbackKey);
    EXPECT_EQ(web.url.where.key, "fr_URL");
    EXPECT_EQ(web.encode.kind, Origin::Option);
    EXPECT_EQ(web.encode.where.key, "ENCODE");
    EXPECT_EQ(web.pattern.kind, Origin::Empty);
    // The personal entry copies by the personal file's option; Quickseek.ini's entries do not.
    EXPECT_EQ(entries[8].clipboard.where.file, "Quickseek_MY.ini");
    EXPECT_TRUE(entries[8].stored.Clipboard);
    EXPECT_EQ(entries[0].clipboard.where.file, "Quickseek.ini");
    EXPECT_FALSE(entries[0].stored.Clipboard);
    EXPECT_EQ(entries[7].navigator.kind, Origin::FallbackKey);
}

TEST(SampleCheck, TriesEachPickAsThePlugInDoes) {
    for (const qs_test::sample::Pick& pick : qs_test::sample::EnglishPicks) {
        const CheckReport report = CheckSample({"en"}, pick.selection);
        const qs::check::TryItem& item = report.languages.at(0).tries.at(pick.item);
        EXPECT_EQ(item.enabled, pick.enabled) << pick.selection << " item " << pick.item;
        EXPECT_EQ(item.accepted && item.opens ? item.address : "", pick.opens) << pick.selection << " item " << pick.item;
        EXPECT_EQ(item.accepted && item.copies ? item.query : "", pick.clipboard) << pick.selection << " item " << pick.item;
    }
}

TEST(SampleCheck, NothingSelectedDisablesEveryItem) {
    const CheckReport report = CheckSample({"en"}, std::string());
    for (const qs::check::TryItem& item : report.languages.at(0).tries) {
        EXPECT_FALSE(item.enabled);
        EXPECT_FALSE(item.accepted);
        EXPECT_TRUE(item.beeps);
    }
}

}  // namespace
