// The sample configuration in examples/, loaded by the real library: the menu the host gets in
// English and French, the picks, the shortcut, the name and the button.
#include <cstring>
#include <memory>

#include "host/DesktopRecorder.h"
#include "tests/boundary/LoadedPlugin.h"
#include "tests/support/SampleConfiguration.h"

namespace {

class SampleConfiguration : public LoadedPlugin {
protected:
    const host::PluginExports& Start(const char* language) {
        for (const char* name : {"Quickseek.ini", "Quickseek_MY.ini"})
            Folder().Write(name, qs_test::ReadFile(qs_test::SourceFile(std::string("examples/") + name)));
        Host().languageBytes = std::string(language, 2) + std::string(1, '\0');
        const host::PluginExports& plugin = Load();
        plugin.Init(0, 0);
        return plugin;
    }
    std::vector<std::string> Captions(const host::PluginExports& plugin) {
        std::vector<std::string> captions;
        for (std::int32_t index = 0;; ++index) {
            QsBool enabled = 0, visible = 0;
            char caption[256] = {};
            if (!plugin.DefinirUnSousMenu(index, &enabled, &visible, 0, caption)) break;
            captions.push_back(caption);
        }
        return captions;
    }
};

}  // namespace

TEST_F(SampleConfiguration, MenuInEnglishAndFrench) {
    EXPECT_EQ(Captions(Start("en")), qs_test::sample::EnglishMenu);
    Unload();
    EXPECT_EQ(Captions(Start("fr")), qs_test::sample::FrenchMenu);
}

TEST_F(SampleConfiguration, PicksOpenAndCopyWhatTheSampleSays) {
    const host::PluginExports& plugin = Start("en");
    host::DesktopRecorder desktop(Library());
    std::size_t opened = 0, copied = 0;
    for (const qs_test::sample::Pick& pick : qs_test::sample::EnglishPicks) {
        Host().selection = pick.selection;
        QsBool enabled = 0, visible = 0;
        char caption[256] = {};
        ASSERT_TRUE(plugin.DefinirUnSousMenu(static_cast<std::int32_t>(pick.item), &enabled, &visible, 0, caption));
        EXPECT_EQ(enabled != 0, pick.enabled) << pick.selection << " item " << pick.item;
        plugin.OnClicSousMenu(static_cast<std::int32_t>(pick.item));
        if (!pick.opens.empty()) ++opened;
        if (!pick.clipboard.empty()) ++copied;
        const std::vector<host::ShellCall> calls = desktop.ShellCalls(opened);
        const std::vector<std::string> texts = desktop.ClipboardTexts(copied);
        ASSERT_EQ(calls.size(), opened) << pick.selection << " item " << pick.item;
        ASSERT_EQ(texts.size(), copied) << pick.selection << " item " << pick.item;
        if (!pick.opens.empty()) {
            EXPECT_EQ(calls.back().file, pick.opens);
        }
        if (!pick.clipboard.empty()) {
            EXPECT_EQ(texts.back(), host::DesktopRecorder::AsDesktopText(pick.clipboard));
        }
    }
}

TEST_F(SampleConfiguration, ShortcutNameAndButton) {
    const host::PluginExports& plugin = Start("en");
    plugin.ApresCreationPlugin();
    ASSERT_EQ(Host().CountCalls("GestionRaccourciPlugin"), 1);
    for (const host::HostCall& call : Host().calls) {
        if (call.function == "GestionRaccourciPlugin") {
            EXPECT_EQ(call.arguments.at(2), qs_test::sample::ShortcutCode);
        }
    }

    std::int32_t icon = 0, position = 0, count = 0;
    char bitmap[64] = {};
    EXPECT_TRUE(plugin.AjouterBoutonRaccourciMenu(2, &icon, bitmap, &position, &count));
    EXPECT_EQ(count, static_cast<std::int32_t>(qs_test::sample::EnglishMenu.size()));
    EXPECT_STREQ(bitmap, "Quickseek.bmp");

    char name[4096] = {};
    std::int32_t length = 0;
    ASSERT_TRUE(plugin.NomPlugin(name, &length));
    EXPECT_STREQ(name, "Quickseek web search");
}
