// Unloading really unloads: after every export has run, the library leaves the process, and
// the next load starts from the values at load and reads the configuration again.
// (Run also as the first load of a process of its own: a loader that keeps a library
// loaded does so for the first copy that defines a symbol it must keep unique.)
#include <string>
#include <vector>

#include "tests/boundary/HostedPlugin.h"
#include "tests/boundary/LoadedModules.h"
#include "tests/boundary/QuietAboutBox.h"

namespace {

using Unloading = HostedPlugin;

TEST_F(Unloading, TheLibraryLeavesTheProcessAndTheNextLoadStartsAfresh) {
    Start("[DESCRIPTION]\nen_NAME=Web lookup\n[SEARCH_A]\nfr_TITLE=Alpha\nfr_URL=q=%1\nfr_CLIPBOARD=0\n", false);
    {
        const qs_test::QuietAboutBox quiet(Library());
        ASSERT_TRUE(quiet.Ready());
        char name[64] = {};
        std::int32_t length = 0;
        Plugin().NomPlugin(name, &length);
        Plugin().ShowInformation();
        Plugin().ApresCreationPlugin();
        EXPECT_EQ(EntryCount(), 0);
        Plugin().Init(0, 0);
        Host().selection = "word";
        EXPECT_EQ(Captions(), std::vector<std::string>{"Alpha"});
        Plugin().OnClicSousMenu(0);
        Plugin().OnGereRaccourci(0);
        EXPECT_EQ(Opened(2).size(), 2u);
    }
    const std::string path = Library().Path();
    Stop();
    EXPECT_FALSE(qs_test::LibraryIsLoaded(path));

    Folder().Write("Quickseek_MY.ini", "[SEARCH_B]\nfr_TITLE=Beta\nfr_URL=q=%1\n");
    Start(qs_test::ReadFile(Folder().File("Quickseek.ini")), false);
    EXPECT_EQ(EntryCount(), 0);
    Plugin().Init(0, 0);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(EntryCount(), 2);
}

}  // namespace
