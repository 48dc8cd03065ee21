// Init on a file of 20,000 entry sections: the list of section names holds what fits into
// its 16384 bytes, and each of those becomes an entry.
#include <cstdio>
#include <string>

#include "tests/boundary/LoadedPlugin.h"

namespace {

using ConfigManySections = LoadedPlugin;

TEST_F(ConfigManySections, TwentyThousandSections) {
    std::string text;
    char section[160];
    for (int i = 0; i < 20000; ++i) {
        std::snprintf(section, sizeof section, "[SEARCH_%05d]\r\nfr_TITLE=Title %d\r\nfr_URL=http://example.org/%d?q=%%1\r\n",
                      i, i, i);
        text += section;
    }
    Folder().Write("Quickseek.ini", text);
    const host::PluginExports& plugin = Load();
    plugin.Init(0, 0);
    std::int32_t icon = 0, position = 0, count = -1;
    char bitmap[64] = {};
    plugin.AjouterBoutonRaccourciMenu(2, &icon, bitmap, &position, &count);
    // "SEARCH_nnnnn" and its zero take 13 bytes: 1260 whole names fit, and of the 1261st only
    // "SE" is left, which is no entry.
    EXPECT_EQ(count, 1260);
    QsBool enabled = 0, visible = 0;
    char caption[256] = {};
    ASSERT_TRUE(plugin.DefinirUnSousMenu(1259, &enabled, &visible, 0, caption));
    EXPECT_STREQ(caption, "Title 1259");
}

}  // namespace
