// The sub-menu and the search run through the real library: what the host is asked, what
// reaches the shell and the clipboard, and what is written into the host's buffers.
#include <cstring>
#include <memory>

#include "host/DesktopRecorder.h"
#include "tests/boundary/LoadedPlugin.h"

namespace {

const char* const Template = "http://search.example/?q=%1";

// One entry, with the keys given after its title and URL.
std::string Entry(const std::string& name, const std::string& title, const std::string& keys = "",
                  const std::string& url = Template) {
    return "[SEARCH_" + name + "]\nfr_TITLE=" + title + "\nfr_URL=" + url + "\n" + keys;
}

class SearchRun : public LoadedPlugin {
protected:
    // Writes the configuration, loads the library, runs Init and starts recording the desktop.
    const host::PluginExports& Start(const std::string& configuration) {
        Folder().Write("Quickseek.ini", configuration);
        const host::PluginExports& plugin = Load();
        plugin.Init(0, 0);
        recorder_ = std::make_unique<host::DesktopRecorder>(Library());
        Host().ClearCalls();
        return plugin;
    }
    void TearDown() override {
        recorder_.reset();
        LoadedPlugin::TearDown();
    }
    host::DesktopRecorder& Desktop() { return *recorder_; }
    std::vector<std::string> Opened(std::size_t expected = 0) {
        std::vector<std::string> files;
        for (const host::ShellCall& call : recorder_->ShellCalls(expected)) files.push_back(call.file);
        return files;
    }

    struct MenuItem {
        bool exists;
        QsBool enabled;
        QsBool visible;
        std::string caption;
    };
    MenuItem Describe(const host::PluginExports& plugin, std::int32_t index) {
        MenuItem item{false, 0x77, 0x77, ""};
        char caption[256];
        std::memset(caption, 0x7A, sizeof caption);
        caption[255] = '\0';
        item.exists = plugin.DefinirUnSousMenu(index, &item.enabled, &item.visible, 0, caption) != 0;
        item.caption = caption;
        return item;
    }

private:
    std::unique_ptr<host::DesktopRecorder> recorder_;
};

}  // namespace

TEST_F(SearchRun, EncodesTheSelectionByTheEntrysMode) {
    struct Case {
        const char* encode;
        const char* selection;
        const char* query;
    } cases[] = {
        {"0", "\xE9 t", "\xE9 t"},
        {"1", "caf\xE9 au lait", "caf%E9+au+lait"},
        {"2", "caf\xE9", "caf%C3%A9"},
        {"2", "\x80", "%E2%82%AC"},
        {"7", "a&b c", "a&b c"},
        {"1", "%1", "%251"},
    };
    std::string configuration = "[OPTION]\nCLIPBOARD=0\n";
    for (std::size_t i = 0; i < std::size(cases); ++i)
        configuration += Entry(std::to_string(i), "E" + std::to_string(i), std::string("fr_ENCODE=") + cases[i].encode + "\n");
    const host::PluginExports& plugin = Start(configuration);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        Host().selection = cases[i].selection;
        EXPECT_EQ(plugin.OnClicSousMenu(static_cast<std::int32_t>(i)), 1);
        const std::vector<std::string> opened = Opened(i + 1);
        ASSERT_EQ(opened.size(), i + 1);
        EXPECT_EQ(opened.back(), std::string("http://search.example/?q=") + cases[i].query) << i;
    }
    EXPECT_EQ(Host().CountCalls("Beep"), 0);
}

TEST_F(SearchRun, CopiesTheTrimmedSelectionUnencodedBeforeOpeningTheAddress) {
    const host::PluginExports& plugin = Start(Entry("A", "A"));
    Host().selection = "  caf\xE9 au lait ";
    plugin.OnClicSousMenu(0);
    EXPECT_EQ(Desktop().ClipboardTexts(1), std::vector<std::string>{host::DesktopRecorder::AsDesktopText("caf\xE9 au lait")});
    EXPECT_EQ(Opened(1), std::vector<std::string>{"http://search.example/?q=caf%E9+au+lait"});
    // Only the first "%1" of the template is replaced; the text is inserted once.
}

TEST_F(SearchRun, TrimOffKeepsTheSpaces) {
    const host::PluginExports& plugin = Start("[OPTION]\nTRIM=0\n" + Entry("A", "A", "", "q=%1&again=%1"));
    Host().selection = " a b ";
    plugin.OnClicSousMenu(0);
    EXPECT_EQ(Opened(1), std::vector<std::string>{"q=+a+b+&again=%1"});
    EXPECT_EQ(Desktop().ClipboardTexts(1), std::vector<std::string>{" a b "});
}

TEST_F(SearchRun, NavigatorOffOnlyCopiesToTheClipboard) {
    const host::PluginExports& plugin = Start(Entry("A", "A", "fr_NAVIGATOR=0\nfr_CLIPBOARD=1\n"));
    Host().selection = "word";
    plugin.OnClicSousMenu(0);
    EXPECT_EQ(Desktop().ClipboardTexts(1), std::vector<std::string>{"word"});
    EXPECT_TRUE(Opened().empty());
}

TEST_F(SearchRun, AClipboardThatRefusesDoesNotStopTheSearch) {
    const host::PluginExports& plugin = Start(Entry("A", "A"));
    Desktop().RefuseClipboard(true);
    Host().selection = "word";
    plugin.OnClicSousMenu(0);
    EXPECT_EQ(Opened(1), std::vector<std::string>{"http://search.example/?q=word"});
    EXPECT_EQ(Host().CountCalls("Beep"), 0);
}

TEST_F(SearchRun, MenuItemsFollowThePatternOnlyWithCtrlMenuOn) {
    const std::string entries = Entry("DIGITS", "Digits", "fr_REGEXP=^\\d+$\n") + Entry("ANY", "Any");
    struct Case {
        const char* ctrlMenu;
        const char* selection;
        QsBool digitsEnabled;
        QsBool anyEnabled;
    } cases[] = {
        {"1", "123", 1, 1}, {"1", "12a", 0, 1}, {"1", "   ", 0, 0},
        {"0", "12a", 1, 1}, {"0", "   ", 1, 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string("CTRLMENU=") + test.ctrlMenu + " selection=" + test.selection);
        const host::PluginExports& plugin = Start(std::string("[OPTION]\nCTRLMENU=") + test.ctrlMenu + "\n" + entries);
        Host().selection = test.selection;
        const MenuItem digits = Describe(plugin, 0), any = Describe(plugin, 1);
        EXPECT_TRUE(digits.exists && any.exists);
        EXPECT_EQ(digits.enabled, test.digitsEnabled);
        EXPECT_EQ(any.enabled, test.anyEnabled);
        EXPECT_EQ(digits.visible, 1);
        EXPECT_EQ(digits.caption, "Digits");
        Unload();
    }
}

TEST_F(SearchRun, NoSelectionDisablesEveryItemButKeepsItVisibleWithItsCaption) {
    const host::PluginExports& plugin = Start(Entry("A", "Alpha"));
    const MenuItem item = Describe(plugin, 0);
    EXPECT_TRUE(item.exists);
    EXPECT_EQ(item.enabled, 0);
    EXPECT_EQ(item.visible, 1);
    EXPECT_EQ(item.caption, "Alpha");
    EXPECT_EQ(Host().CountCalls("TexteSelectionne"), 0);
}

TEST_F(SearchRun, RefusedAndEmptySelectionsSignalOnlyWithBeepOn) {
    for (const char* beep : {"1", "0"}) {
        SCOPED_TRACE(std::string("BEEP=") + beep);
        const host::PluginExports& plugin =
            Start(std::string("[OPTION]\nBEEP=") + beep + "\nCTRLMENU=0\n" + Entry("D", "D", "fr_REGEXP=^\\d+$\n"));
        const int expected = beep[0] == '1' ? 1 : 0;
        Host().selection.reset();
        plugin.OnClicSousMenu(0);
        EXPECT_EQ(Host().CountCalls("Beep"), expected) << "empty selection";
        Host().ClearCalls();
        Host().selection = "abc";
        plugin.OnClicSousMenu(0);
        EXPECT_EQ(Host().CountCalls("Beep"), expected) << "refused selection";
        Host().ClearCalls();
        Host().selection = "   ";
        plugin.OnClicSousMenu(0);
        EXPECT_EQ(Host().CountCalls("Beep"), expected) << "spaces only, trimmed to nothing";
        EXPECT_TRUE(Opened().empty());
        EXPECT_TRUE(Desktop().ClipboardTexts().empty());
        Unload();
    }
}

TEST_F(SearchRun, ANegativeIndexReadsTheSelectionAndEndsWithoutEffect) {
    const host::PluginExports& plugin = Start(Entry("A", "A"));
    Host().selection = "word";
    EXPECT_EQ(plugin.OnClicSousMenu(-1), 1);
    EXPECT_EQ(Host().CountCalls("TexteSelectionne"), 1);
    EXPECT_EQ(Host().CountCalls("Beep"), 0);
    EXPECT_TRUE(Opened().empty());
    EXPECT_TRUE(Desktop().ClipboardTexts().empty());

    const MenuItem item = Describe(plugin, -1);
    EXPECT_FALSE(item.exists);
    EXPECT_EQ(item.enabled, 0x77);
    EXPECT_EQ(item.visible, 0x77);
    EXPECT_EQ(item.caption, std::string(255, 'z'));
}

TEST_F(SearchRun, AnIndexPastTheEndIsRefusedWithoutReachingTheDesktop) {
    const host::PluginExports& plugin = Start(Entry("A", "A"));
    Host().selection = "word";
    plugin.OnClicSousMenu(0);  // leaves its entry in the working copy
    ASSERT_EQ(Opened(1).size(), 1u);
    Host().ClearCalls();
    EXPECT_EQ(plugin.OnClicSousMenu(1), 1);
    EXPECT_EQ(Host().CountCalls("Beep"), 1);
    EXPECT_EQ(Opened().size(), 1u);
    EXPECT_EQ(Desktop().ClipboardTexts().size(), 1u);

    // Past the end the menu still reads the selection, and writes nothing.
    Host().ClearCalls();
    const MenuItem item = Describe(plugin, 1);
    EXPECT_FALSE(item.exists);
    EXPECT_EQ(item.enabled, 0x77);
    EXPECT_EQ(Host().CountCalls("TexteSelectionne"), 1);
}

TEST_F(SearchRun, TheShortcutWithNoEntriesIsRefused) {
    const host::PluginExports& plugin = Start("[OPTION]\nBEEP=1\n");
    Host().selection = "word";
    EXPECT_EQ(plugin.OnGereRaccourci(0), 1);
    EXPECT_EQ(Host().CountCalls("Beep"), 1);
    EXPECT_TRUE(Opened().empty());
    EXPECT_TRUE(Desktop().ClipboardTexts().empty());
}

TEST_F(SearchRun, ARunStartedWhileAnotherRunsSignalsEvenWithBeepOffAndReturnsAtOnce) {
    const host::PluginExports& plugin = Start("[OPTION]\nBEEP=0\n" + Entry("A", "A", "fr_CLIPBOARD=0\n"));
    Host().selection = "word";
    int innerAnswer = -1;
    bool reentered = false;
    Host().insideCall = [&](const std::string& function) {
        if (function != "TexteSelectionne" || reentered) return;
        reentered = true;
        innerAnswer = plugin.OnClicSousMenu(0);
    };
    EXPECT_EQ(plugin.OnClicSousMenu(0), 1);
    EXPECT_EQ(innerAnswer, 1);
    EXPECT_EQ(Host().CountCalls("Beep"), 1);
    EXPECT_EQ(Host().CountCalls("TexteSelectionne"), 1);
    EXPECT_EQ(Opened(1), std::vector<std::string>{"http://search.example/?q=word"});
    // The busy flag was cleared: the next run goes through.
    plugin.OnClicSousMenu(0);
    EXPECT_EQ(Opened(2).size(), 2u);
}

TEST_F(SearchRun, AHundredCharacterTitleWritesExactlyOneHundredAndOneBytes) {
    const std::string title(100, 'T');
    const host::PluginExports& plugin = Start(Entry("A", title + "cut"));
    char caption[128];
    std::memset(caption, 0x7A, sizeof caption);
    QsBool enabled = 0, visible = 0;
    ASSERT_EQ(plugin.DefinirUnSousMenu(0, &enabled, &visible, 0, caption), 1);
    EXPECT_EQ(std::string(caption, 100), title);
    EXPECT_EQ(caption[100], '\0');
    EXPECT_EQ(caption[101], 0x7A);
}

TEST_F(SearchRun, AHostThatWritesNothingGivesAnEmptySelection) {
    const host::PluginExports& plugin = Start(Entry("A", "A"));
    Host().selection = "word";
    Host().writtenText = "";
    Host().writeTerminator = false;
    plugin.OnClicSousMenu(0);
    EXPECT_EQ(Host().CountCalls("Beep"), 1);
    EXPECT_TRUE(Opened().empty());
}

TEST_F(SearchRun, ALengthMemoryCannotHoldEndsTheRunQuietly) {
    const host::PluginExports& plugin = Start(Entry("A", "A"));
    Host().selection = "word";
    Host().reportedLength = 0x7FFFFFFF;
    EXPECT_EQ(plugin.OnClicSousMenu(0), 1);
    // Whether or not such a block could be had, nothing crashes and the flag is cleared.
    Host().reportedLength.reset();
    Host().ClearCalls();
    plugin.OnClicSousMenu(0);
    EXPECT_EQ(Host().CountCalls("TexteSelectionne"), 1);
}
