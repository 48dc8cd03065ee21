// The compiled-in string table and the modifier texts loaded from it.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "platform/Resources.h"
#include "shortcut/MyShortcut.h"
#include "tests/support/PluginFolder.h"

TEST(StringTable, HoldsTheEntriesOfTheResourceScript) {
    // Every entry of the STRINGTABLE block of identity/Quickseek.rc: `id, "text"`.
    const std::string script = qs_test::ReadFile(qs_test::SourceFile("identity/Quickseek.rc"));
    const std::size_t block = script.find("STRINGTABLE");
    ASSERT_NE(block, std::string::npos);
    const std::size_t end = script.find("END", block);
    const std::string entries = script.substr(block, end - block);
    const std::regex entry(R"re((\d+)\s*,\s*"([^"]*)")re");
    int count = 0;
    for (std::sregex_iterator it(entries.begin(), entries.end(), entry), last; it != last; ++it, ++count)
        EXPECT_EQ(qs::LoadStringResource(static_cast<unsigned>(std::stoul((*it)[1]))), (*it)[2].str()) << (*it)[0];
    EXPECT_GE(count, 3);
    EXPECT_EQ(qs::LoadStringResource(65435), "");
    EXPECT_EQ(qs::LoadStringResource(0), "");
}

TEST(StringTable, GivesTheModifierTextsAtLoad) {
    const qs::ModifierTexts& texts = qs::LoadedModifierTexts();
    EXPECT_EQ(texts.ShiftPrefix, "Maj+");
    EXPECT_EQ(texts.CtrlPrefix, "Ctrl+");
    EXPECT_EQ(texts.AltPrefix, "Alt+");
    EXPECT_EQ(qs::ParseShortcut("Maj+Ctrl+Alt+F10"), 0xE079);
    EXPECT_EQ(qs::FormatShortcut(0xE079), "Maj+Ctrl+Alt+F10");
}
