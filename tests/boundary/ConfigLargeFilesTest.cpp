// Init on configuration files far larger than any real one: it finishes, and finds what
// the files hold.
#include <cstdio>
#include <string>

#include "tests/boundary/LoadedPlugin.h"

namespace {

using ConfigLargeFiles = LoadedPlugin;

std::int32_t EntryCount(const host::PluginExports& plugin) {
    std::int32_t icon = 0, position = 0, count = -1;
    char bitmap[64] = {};
    plugin.AjouterBoutonRaccourciMenu(2, &icon, bitmap, &position, &count);
    return count;
}

std::string Caption(const host::PluginExports& plugin, std::int32_t index) {
    QsBool enabled = 0, visible = 0;
    char caption[256] = {};
    if (!plugin.DefinirUnSousMenu(index, &enabled, &visible, 0, caption)) return "(none)";
    return caption;
}

TEST_F(ConfigLargeFiles, TenMegabytesOfKeys) {
    std::string text = "[OPTION]\r\n";
    char line[96];
    for (int i = 0; i < 200000; ++i) {
        std::snprintf(line, sizeof line, "KEY%d=value %d, long enough to make ten megabytes\r\n", i, i);
        text += line;
    }
    text += "[SEARCH_Last]\r\nfr_TITLE=Last\r\nfr_URL=u\r\n";
    Folder().Write("Quickseek.ini", text);
    const host::PluginExports& plugin = Load();
    plugin.Init(0, 0);
    EXPECT_EQ(EntryCount(plugin), 1);
    EXPECT_EQ(Caption(plugin, 0), "Last");
}

TEST_F(ConfigLargeFiles, ALineOfOneMegabyte) {
    const std::string huge(1 << 20, 'x');
    Folder().Write("Quickseek.ini", "[SEARCH_" + huge + "]\nfr_TITLE=lost\nfr_URL=u\n[SEARCH_Long]\nfr_TITLE=" + huge +
                                        "\nfr_URL=" + huge + "\n[SEARCH_After]\nfr_TITLE=After\nfr_URL=u\n");
    const host::PluginExports& plugin = Load();
    plugin.Init(0, 0);
    // The first name does not fit the list of section names, and cuts it: nothing after it is seen.
    EXPECT_EQ(EntryCount(plugin), 0);
    Unload();

    Folder().Write("Quickseek.ini", "[SEARCH_Long]\nfr_TITLE=" + huge + "\nfr_URL=" + huge + "\n[SEARCH_After]\nfr_TITLE=After\nfr_URL=u\n");
    const host::PluginExports& again = Load();
    again.Init(0, 0);
    EXPECT_EQ(EntryCount(again), 2);
    EXPECT_EQ(Caption(again, 0), std::string(100, 'x'));
    EXPECT_EQ(Caption(again, 1), "After");
}

}  // namespace
