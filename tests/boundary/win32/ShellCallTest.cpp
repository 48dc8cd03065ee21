// The exact shell call: no owner window, the default verb, "" as parameters and directory,
// shown without activation.
#include <memory>

#include "host/DesktopRecorder.h"
#include "tests/boundary/LoadedPlugin.h"

using ShellCallArguments = LoadedPlugin;

TEST_F(ShellCallArguments, OpensTheAddressWithTheDefaultVerbAndNoActivation) {
    Folder().Write("Quickseek.ini", "[SEARCH_A]\nfr_TITLE=A\nfr_URL=http://s/?q=%1\nfr_CLIPBOARD=0\n");
    const host::PluginExports& plugin = Load();
    plugin.Init(0, 0);
    host::DesktopRecorder desktop(Library());
    Host().selection = "x y";
    plugin.OnClicSousMenu(0);
    const std::vector<host::ShellCall> calls = desktop.ShellCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].ownerIsNull);
    EXPECT_TRUE(calls[0].verbIsNull);
    EXPECT_EQ(calls[0].file, "http://s/?q=x+y");
    EXPECT_EQ(calls[0].parameters, "");
    EXPECT_EQ(calls[0].directory, "");
    EXPECT_EQ(calls[0].show, 4);
}
