// The export table and what every export answers before Init, through the real library.
#include <cstring>

#include "tests/boundary/LoadedPlugin.h"

using Lifecycle = LoadedPlugin;

TEST_F(Lifecycle, ExportsAllEightFunctionsByName) {
    Load();
    for (const char* name : host::ExportNames) EXPECT_NE(Library().ExportByName(name), nullptr) << name;
}

TEST_F(Lifecycle, MenuItemsDoNotExistBeforeInitAndNothingIsWritten) {
    const host::PluginExports& plugin = Load();
    Host().selection = "text";
    for (std::int32_t index : {0, 1, -1, 1000}) {
        QsBool enabled = 0x55, visible = 0x66;
        char caption[8] = "keep";
        EXPECT_EQ(plugin.DefinirUnSousMenu(index, &enabled, &visible, 0, caption), 0) << index;
        EXPECT_EQ(enabled, 0x55);
        EXPECT_EQ(visible, 0x66);
        EXPECT_STREQ(caption, "keep");
    }
}

TEST_F(Lifecycle, ClickAnswersTrueBeforeInitAndSignalsAnEmptySelection) {
    const host::PluginExports& plugin = Load();
    EXPECT_EQ(plugin.OnClicSousMenu(0), 1);
    EXPECT_EQ(Host().CountCalls("Beep"), 1);
    Host().selection = "text";
    Host().ClearCalls();
    for (std::int32_t index : {0, -1, 7}) EXPECT_EQ(plugin.OnClicSousMenu(index), 1);
    EXPECT_EQ(Host().CountCalls("Beep"), 0);
    EXPECT_EQ(plugin.OnGereRaccourci(12345), 1);
}

TEST_F(Lifecycle, ButtonBeforeInitGivesTheDefaultsAndNoEntries) {
    const host::PluginExports& plugin = Load();
    std::int32_t icon = 7, position = 7, count = 7;
    char bitmap[32] = "keep";
    EXPECT_EQ(plugin.AjouterBoutonRaccourciMenu(1, &icon, bitmap, &position, &count), 0);
    EXPECT_EQ(icon, 0);
    EXPECT_EQ(position, 7);
    EXPECT_EQ(count, 7);
    EXPECT_STREQ(bitmap, "keep");

    EXPECT_EQ(plugin.AjouterBoutonRaccourciMenu(2, &icon, bitmap, &position, &count), 1);
    EXPECT_EQ(icon, -1);
    EXPECT_EQ(position, 100);
    EXPECT_EQ(count, 0);
    EXPECT_STREQ(bitmap, "Quickseek.bmp");
}

TEST_F(Lifecycle, RegistersTheShortcutWithItsModuleHandle) {
    const host::PluginExports& plugin = Load();
    Host().registrationResult = 0x12345678;
    EXPECT_EQ(plugin.ApresCreationPlugin(), 0x12345678);
    ASSERT_EQ(Host().CountCalls("GestionRaccourciPlugin"), 1);
    const host::HostCall& call = Host().calls.back();
    EXPECT_EQ(call.arguments[1], 1);
    EXPECT_GE(call.arguments[2], 0);
    EXPECT_LE(call.arguments[2], 0xFFFF);
    EXPECT_NE(call.arguments[0], 0);
}

TEST_F(Lifecycle, LoadsAndUnloadsRepeatedlyWithAndWithoutInit) {
    Folder().Write("Quickseek.ini", "[SEARCH_A]\nfr_TITLE=A\nfr_URL=http://a/?q=%1\n");
    for (int cycle = 0; cycle < 200; ++cycle) {
        const host::PluginExports& plugin = Load();
        if (cycle % 2) plugin.Init(0, 0);
        QsBool enabled = 0, visible = 0;
        char caption[128];
        plugin.DefinirUnSousMenu(0, &enabled, &visible, 0, caption);
        Unload();
    }
}
