// The display name through the real library: built in, or localized from "Quickseek.ini".
#include <cstring>
#include <string>

#include "tests/boundary/LoadedPlugin.h"

namespace {

// A host buffer made for the longest name, filled with a mark so that every byte the plug-in
// writes, or leaves alone, can be seen.
struct NameBuffer {
    static constexpr std::size_t Size = 4096;
    char bytes[Size];
    std::int32_t length = -7;
    NameBuffer() { std::memset(bytes, '#', Size); }
    std::string Text() const { return std::string(bytes, strnlen(bytes, Size)); }
    bool Untouched() const {
        for (char byte : bytes)
            if (byte != '#') return false;
        return length == -7;
    }
};

std::string Description(const std::string& keys) { return "[DESCRIPTION]\r\n" + keys; }

}  // namespace

using PluginName = LoadedPlugin;

TEST_F(PluginName, GivesTheLocalizedNameOrTheBuiltInOne) {
    struct Case {
        const char* what;
        std::string languageBytes;  // what the host's CodeLangue writes
        std::optional<std::string> quickseekIni;
        std::optional<std::string> myIni;
        std::string expected;
    };
    const std::string en("en\0", 3), none("\0", 1);
    const Case cases[] = {
        {"no file", en, std::nullopt, std::nullopt, "Quickseek"},
        {"the language's key", en, Description("fr_NAME=Recherche\r\nen_NAME=Web lookup\r\n"), std::nullopt,
         "Web lookup"},
        {"no French fallback", en, Description("fr_NAME=Recherche\r\n"), std::nullopt, "Quickseek"},
        {"no language from the host reads French", none, Description("fr_NAME=Recherche\r\nen_NAME=Web\r\n"),
         std::nullopt, "Recherche"},
        {"key in another section", en, "[OPTION]\r\nen_NAME=Wrong\r\n", std::nullopt, "Quickseek"},
        {"Quickseek_MY.ini is never read", en, std::nullopt, Description("en_NAME=Mine\r\n"), "Quickseek"},
        {"Quickseek_MY.ini does not override", en, Description("en_NAME=Shared\r\n"),
         Description("en_NAME=Mine\r\n"), "Shared"},
        {"8-bit text passes unchanged", en, Description("en_NAME=Caf\xE9 recherche\r\n"), std::nullopt,
         "Caf\xE9 recherche"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.quickseekIni) Folder().Write("Quickseek.ini", *c.quickseekIni);
        if (c.myIni) Folder().Write("Quickseek_MY.ini", *c.myIni);
        const host::PluginExports& plugin = Load();
        Host().languageBytes = c.languageBytes;

        NameBuffer name;
        EXPECT_EQ(plugin.NomPlugin(name.bytes, &name.length), 1);
        EXPECT_EQ(name.Text(), c.expected);
        EXPECT_EQ(name.length, static_cast<std::int32_t>(c.expected.size()));
        // Exactly the name and its zero are written.
        EXPECT_EQ(name.bytes[c.expected.size() + 1], '#');

        Unload();
        Folder().Remove("Quickseek.ini");
        Folder().Remove("Quickseek_MY.ini");
    }
}

TEST_F(PluginName, AnEmptyValueGivesFalseAndLeavesTheHostsBufferAlone) {
    Folder().Write("Quickseek.ini", Description("en_NAME=\r\n"));
    const host::PluginExports& plugin = Load();
    NameBuffer name;
    EXPECT_EQ(plugin.NomPlugin(name.bytes, &name.length), 0);
    EXPECT_TRUE(name.Untouched());
}

TEST_F(PluginName, EveryCallReadsTheFileAgain) {
    const host::PluginExports& plugin = Load();
    const auto ask = [&plugin](NameBuffer& name) { return plugin.NomPlugin(name.bytes, &name.length); };

    NameBuffer first, second, emptied, removed;
    Folder().Write("Quickseek.ini", Description("en_NAME=Alpha\r\n"));
    EXPECT_EQ(ask(first), 1);
    EXPECT_EQ(first.Text(), "Alpha");

    Folder().Write("Quickseek.ini", Description("en_NAME=Beta longer\r\n"));
    EXPECT_EQ(ask(second), 1);
    EXPECT_EQ(second.Text(), "Beta longer");
    EXPECT_EQ(second.length, 11);

    // The name of the call before is not kept: empty now means false.
    Folder().Write("Quickseek.ini", Description("en_NAME=\r\n"));
    EXPECT_EQ(ask(emptied), 0);
    EXPECT_TRUE(emptied.Untouched());

    Folder().Remove("Quickseek.ini");
    EXPECT_EQ(ask(removed), 1);
    EXPECT_EQ(removed.Text(), "Quickseek");
}

TEST_F(PluginName, TheLongestNameFitsWithItsZeroAndItsLength) {
    const std::string longest(2047, 'n');
    for (const std::string& value : {longest, longest + "cut off"}) {
        Folder().Write("Quickseek.ini", Description("en_NAME=" + value + "\r\n"));
        const host::PluginExports& plugin = Load();
        NameBuffer name;
        EXPECT_EQ(plugin.NomPlugin(name.bytes, &name.length), 1);
        EXPECT_EQ(name.length, 2047);
        EXPECT_EQ(name.Text(), longest);
        EXPECT_EQ(name.bytes[2048], '#');
        Unload();
    }
}

TEST_F(PluginName, AsksTheHostsLanguageOnlyWhenTheFileExists) {
    const host::PluginExports& plugin = Load();
    NameBuffer name;
    plugin.NomPlugin(name.bytes, &name.length);
    EXPECT_EQ(Host().CountCalls("CodeLangue"), 0);
    Folder().Write("Quickseek.ini", Description("en_NAME=Alpha\r\n"));
    plugin.NomPlugin(name.bytes, &name.length);
    EXPECT_EQ(Host().CountCalls("CodeLangue"), 1);
}
