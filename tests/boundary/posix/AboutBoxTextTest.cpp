// The about box through the real library, with no display: its caption and text arrive on
// standard error exactly as the plug-in builds them.
#include <string>

#include "tests/boundary/LoadedPlugin.h"
#include "tests/support/posix/ProcessEnvironment.h"

namespace {

const std::string AboutLine = "Quickseek Version 1.0.0.0 Copyright (C) 2026 The Quickseek developers";
const std::string Warning = "\r\n\r\nCe plugin n\xE9" "cessite une version sup\xE9" "rieure de Tidewire...";

struct VersionCase {
    unsigned major, minor, release, build;
    bool supported;
};

}  // namespace

using AboutBox = LoadedPlugin;

TEST_F(AboutBox, WarnsExactlyWhenTheHostIsOlderThan1802) {
    const VersionCase cases[] = {
        {1, 8, 0, 2, true}, {1, 8, 0, 1, false}, {1, 7, 9, 9, false},
        {2, 0, 0, 0, true}, {1, 7, 10, 2, true}, {0, 18, 0, 2, true},
    };
    const host::PluginExports& plugin = Load();
    qs_test::ScopedEnvironmentVariable noDisplay("DISPLAY", std::nullopt);
    for (const VersionCase& c : cases) {
        host::SetHostVersion(c.major, c.minor, c.release, c.build);
        Host().ClearCalls();
        qs_test::StandardErrorCapture standardError;
        plugin.ShowInformation();
        const std::string expectedText = c.supported ? AboutLine : AboutLine + Warning;
        EXPECT_EQ(standardError.Finish(), "A propos de...\n" + expectedText + "\n")
            << c.major << '.' << c.minor << '.' << c.release << '.' << c.build;
        EXPECT_EQ(Host().CountCalls("Version"), 1);
    }
}

TEST_F(AboutBox, EveryCallShowsTheSameBoxWithoutInit) {
    const host::PluginExports& plugin = Load();
    qs_test::ScopedEnvironmentVariable noDisplay("DISPLAY", std::nullopt);
    qs_test::StandardErrorCapture standardError;
    plugin.ShowInformation();
    plugin.ShowInformation();
    EXPECT_EQ(standardError.Finish(), "A propos de...\n" + AboutLine + "\nA propos de...\n" + AboutLine + "\n");
}
