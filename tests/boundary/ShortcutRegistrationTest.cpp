// The shortcut the real library registers with the host, before and after Init, and what the
// host's shortcut call runs.
#include <climits>
#include <string>
#include <vector>

#include "tests/boundary/LoadedPlugin.h"
#include "tests/boundary/ModuleBase.h"

namespace {

class ShortcutRegistration : public LoadedPlugin {
protected:
    // The arguments of the one registration that ApresCreationPlugin made.
    std::vector<std::int64_t> Registered(const host::PluginExports& plugin) {
        Host().ClearCalls();
        plugin.ApresCreationPlugin();
        EXPECT_EQ(Host().CountCalls("GestionRaccourciPlugin"), 1);
        for (const host::HostCall& call : Host().calls)
            if (call.function == "GestionRaccourciPlugin") return call.arguments;
        return {};
    }
    std::int64_t ModuleHandle(const host::PluginExports& plugin) {
        return qs_test::ModuleBaseOf(reinterpret_cast<const void*>(plugin.ApresCreationPlugin));
    }
};

}  // namespace

TEST_F(ShortcutRegistration, RegistersCtrlF10WithTheModuleHandleAndOneBeforeInit) {
    // The configuration is not read before Init.
    Folder().Write("Quickseek.ini", "[OPTION]\nSHORTCUT=Maj+F1\n");
    const host::PluginExports& plugin = Load();
    const std::vector<std::int64_t> expected{ModuleHandle(plugin), 1, 0x4079};
    EXPECT_NE(expected[0], 0);
    EXPECT_EQ(Registered(plugin), expected);
}

TEST_F(ShortcutRegistration, RegistersTheConfiguredShortcutAfterInit) {
    const struct {
        const char* first;   // Quickseek.ini
        const char* second;  // Quickseek_MY.ini
        std::int64_t code;
    } cases[] = {
        {nullptr, nullptr, 0x4079},
        {"", "", 0x4079},
        {"SHORTCUT=Maj+Ctrl+Alt+F10", nullptr, 0xE079},
        {"SHORTCUT=Alt+Ctrl+Maj+F10", nullptr, 0xE079},
        {"SHORTCUT=ctrl+f10", nullptr, 0x4079},
        {"SHORTCUT=^^F10", nullptr, 0x4079},
        {"SHORTCUT=Ctrl+Ctrl+F10", nullptr, 0x4079},
        {"SHORTCUT=F10", nullptr, 0x79},
        {"SHORTCUT=Ctrl+1", nullptr, 0x4031},
        {"SHORTCUT=Alt+F12", nullptr, 0x807B},
        {"SHORTCUT=Maj+Num 5", nullptr, 0x200C},  // VK_CLEAR, the lowest code of that name
        // Texts that name no shortcut are registered as code 0.
        {"SHORTCUT=Shift+F10", nullptr, 0},
        {"SHORTCUT=Ctrl+NoSuchKey", nullptr, 0},
        {"SHORTCUT=Ctrl+", nullptr, 0},
        {"SHORTCUT=Maj+Alt+", nullptr, 0},
        {"SHORTCUT=", nullptr, 0},
        {"SHORTCUT=Ctrl + F10", nullptr, 0},
        // The second file's option is laid over the first's.
        {"SHORTCUT=Alt+A", "SHORTCUT=Maj+B", 0x2042},
        {"SHORTCUT=Alt+A", "", 0x8041},
        {nullptr, "SHORTCUT=Ctrl+F2", 0x4071},
    };
    for (const auto& c : cases) {
        Unload();
        Folder().Remove("Quickseek.ini");
        Folder().Remove("Quickseek_MY.ini");
        if (c.first) Folder().Write("Quickseek.ini", std::string("[OPTION]\n") + c.first + "\n");
        if (c.second) Folder().Write("Quickseek_MY.ini", std::string("[OPTION]\n") + c.second + "\n");
        const host::PluginExports& plugin = Load();
        plugin.Init(0, 0);
        const std::vector<std::int64_t> expected{ModuleHandle(plugin), 1, c.code};
        EXPECT_EQ(Registered(plugin), expected) << (c.first ? c.first : "-") << " / " << (c.second ? c.second : "-");
    }
}

TEST_F(ShortcutRegistration, PassesTheHostsAnswerOnUnchanged) {
    const host::PluginExports& plugin = Load();
    for (const std::int32_t answer : {0, 1, -1, 0x12345678, INT_MIN, INT_MAX}) {
        Host().registrationResult = answer;
        EXPECT_EQ(plugin.ApresCreationPlugin(), answer);
    }
    EXPECT_EQ(Host().CountCalls("GestionRaccourciPlugin"), 6);
}

TEST_F(ShortcutRegistration, TheShortcutRunsTheFirstEntryAndAnswersTrue) {
    Folder().Write("Quickseek.ini",
                   "[OPTION]\nCLIPBOARD=0\nNAVIGATOR=0\n"
                   "[SEARCH_A]\nfr_TITLE=A\nfr_URL=http://a.example/?q=%1\n");
    const host::PluginExports& plugin = Load();
    plugin.Init(0, 0);
    Host().selection = "text";
    for (const std::int32_t ignored : {0, 1, -1, INT_MIN}) {
        Host().ClearCalls();
        EXPECT_EQ(plugin.OnGereRaccourci(ignored), 1);
        EXPECT_EQ(Host().CountCalls("TexteSelectionne"), 1) << ignored;
    }

    // Pressed again while the run is inside the host: turned away with a beep, still true.
    QsBool inner = 0;
    bool pressed = false;
    Host().insideCall = [&](const std::string& function) {
        if (function != "TexteSelectionne" || pressed) return;
        pressed = true;
        inner = plugin.OnGereRaccourci(0);
    };
    Host().ClearCalls();
    EXPECT_EQ(plugin.OnGereRaccourci(0), 1);
    EXPECT_EQ(inner, 1);
    EXPECT_EQ(Host().CountCalls("Beep"), 1);
    EXPECT_EQ(Host().CountCalls("TexteSelectionne"), 1);
}
