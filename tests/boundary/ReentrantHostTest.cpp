// A host that calls the plug-in again from inside its own functions: every export, from
// inside every host function the plug-in calls. The inner call gives the answer documented for
// the state of that moment, the outer call finishes as if nothing had happened, and the
// plug-in is whole afterwards.
#include <algorithm>
#include <functional>
#include <string>

#include "tests/boundary/HostedPlugin.h"
#include "tests/boundary/QuietAboutBox.h"

namespace {

const std::string Configuration =
    "[OPTION]\nCLIPBOARD=0\nBEEP=1\nCTRLMENU=1\n"
    "[DESCRIPTION]\nen_NAME=Web lookup\n"
    "[SEARCH_A]\nfr_TITLE=Alpha\nfr_URL=q=%1\n"
    "[SEARCH_B]\nfr_TITLE=Beta\nfr_URL=n=%1\nfr_REGEXP=^\\d+$\n";
constexpr std::int32_t RegistrationAnswer = 0x1234;

// How the outer call reaches the host function in which the host calls back.
enum class Outer { Click, ClickRefused, ClickNothingSelected, Menu, Register, Init, Name, About };

struct Trigger {
    const char* hostFunction;
    Outer outer;
};

const Trigger Triggers[] = {
    {"LgTexteSelectionne", Outer::Click},
    {"LgTexteSelectionne", Outer::Menu},
    {"TexteSelectionne", Outer::Click},
    {"TexteSelectionne", Outer::Menu},
    {"Beep", Outer::ClickRefused},
    {"Beep", Outer::ClickNothingSelected},
    {"GestionRaccourciPlugin", Outer::Register},
    {"CodeLangue", Outer::Init},
    {"CodeLangue", Outer::Name},
    {"Version", Outer::About},
};

const char* const Exports[] = {"OnClicSousMenu", "DefinirUnSousMenu", "AjouterBoutonRaccourciMenu",
                               "OnGereRaccourci", "ShowInformation",  "NomPlugin",
                               "ApresCreationPlugin", "Init"};

class ReentrantHost : public HostedPlugin {
protected:
    // Calls the export by name as the host would, and checks its answer against what is
    // documented for the moment of the call.
    void CallInside(const std::string& name, const Trigger& trigger) {
        const host::PluginExports& plugin = Plugin();
        const bool inRun = trigger.outer == Outer::Click || trigger.outer == Outer::ClickRefused ||
                           trigger.outer == Outer::ClickNothingSelected;
        // During Init the list is still being made: no item exists yet.
        const bool loaded = trigger.outer != Outer::Init;
        const int beeps = Host().CountCalls("Beep");
        if (name == "OnClicSousMenu" || name == "OnGereRaccourci") {
            const QsBool answer = name == "OnClicSousMenu" ? plugin.OnClicSousMenu(0) : plugin.OnGereRaccourci(0);
            EXPECT_EQ(answer, 1);
            // Inside a run the second one is turned away with a beep.
            if (inRun) {
                EXPECT_EQ(Host().CountCalls("Beep"), beeps + 1);
            }
            // Inside the menu it runs on the menu's selection, which the first entry takes.
            if (trigger.outer == Outer::Menu) ++expectedOpened_;
        } else if (name == "DefinirUnSousMenu") {
            const MenuItem item = Describe(0);
            EXPECT_EQ(item.exists, loaded);
            if (loaded) {
                EXPECT_EQ(item.caption, "Alpha");
            }
        } else if (name == "AjouterBoutonRaccourciMenu") {
            std::int32_t icon = 0, position = 0, count = -7;
            char bitmap[64] = {};
            EXPECT_EQ(plugin.AjouterBoutonRaccourciMenu(2, &icon, bitmap, &position, &count), 1);
            EXPECT_EQ(count, loaded ? 2 : 0);
            EXPECT_STREQ(bitmap, "Quickseek.bmp");
        } else if (name == "ShowInformation") {
            const int versions = Host().CountCalls("Version");
            plugin.ShowInformation();
            EXPECT_EQ(Host().CountCalls("Version"), versions + 1);
        } else if (name == "NomPlugin") {
            char text[64] = {};
            std::int32_t length = 0;
            EXPECT_EQ(plugin.NomPlugin(text, &length), 1);
            EXPECT_STREQ(text, "Web lookup");
        } else if (name == "ApresCreationPlugin") {
            EXPECT_EQ(plugin.ApresCreationPlugin(), RegistrationAnswer);
        } else if (name == "Init") {
            plugin.Init(0, 0);
        }
    }

    // Runs the outer call and checks that it finished as it would have without the inner one.
    void CallOutside(Outer outer) {
        const host::PluginExports& plugin = Plugin();
        switch (outer) {
            case Outer::Click:
                Host().selection = "word";
                EXPECT_EQ(plugin.OnClicSousMenu(0), 1);
                EXPECT_EQ(Opened(1), std::vector<std::string>{"q=word"});
                ++expectedOpened_;
                break;
            case Outer::ClickRefused:
                Host().selection = "word";
                EXPECT_EQ(plugin.OnClicSousMenu(1), 1);
                EXPECT_TRUE(Opened().empty());
                break;
            case Outer::ClickNothingSelected:
                Host().selection.reset();
                EXPECT_EQ(plugin.OnClicSousMenu(0), 1);
                EXPECT_TRUE(Opened().empty());
                break;
            case Outer::Menu: {
                Host().selection = "123";
                const MenuItem item = Describe(1);
                EXPECT_TRUE(item.exists);
                EXPECT_EQ(item.enabled, 1);
                EXPECT_EQ(item.caption, "Beta");
                break;
            }
            case Outer::Register:
                EXPECT_EQ(plugin.ApresCreationPlugin(), RegistrationAnswer);
                break;
            case Outer::Init:
                plugin.Init(0, 0);
                break;
            case Outer::Name: {
                char text[64] = {};
                std::int32_t length = 0;
                EXPECT_EQ(plugin.NomPlugin(text, &length), 1);
                EXPECT_STREQ(text, "Web lookup");
                EXPECT_EQ(length, 10);
                break;
            }
            case Outer::About:
                plugin.ShowInformation();
                break;
        }
    }

    // The plug-in is whole: both entries exactly once, and an ordinary run goes through.
    void ExpectWhole() {
        Host().insideCall = nullptr;
        EXPECT_EQ(Captions(), (std::vector<std::string>{"Alpha", "Beta"}));
        EXPECT_EQ(EntryCount(), 2);
        Host().selection = "again";
        EXPECT_EQ(Plugin().OnClicSousMenu(0), 1);
        const std::vector<std::string> opened = Opened(expectedOpened_ + 1);
        ASSERT_EQ(opened.size(), expectedOpened_ + 1);
        // Helpers started close together may record in either order.
        EXPECT_EQ(std::count(opened.begin(), opened.end(), "q=again"), 1);
    }

    // The addresses the calls so far should have opened.
    std::size_t expectedOpened_ = 0;
};

TEST_F(ReentrantHost, EveryExportFromInsideEveryHostFunction) {
    for (const Trigger& trigger : Triggers) {
        for (const char* exportName : Exports) {
            SCOPED_TRACE(std::string(exportName) + " inside " + trigger.hostFunction);
            Host() = host::HostScript{};
            Host().registrationResult = RegistrationAnswer;
            expectedOpened_ = 0;
            Start(Configuration, trigger.outer != Outer::Init);
            {
                // Put back before the library goes.
                const qs_test::QuietAboutBox quiet(Library());
                ASSERT_TRUE(quiet.Ready());
                bool reentered = false;
                Host().insideCall = [&](const std::string& function) {
                    if (function != trigger.hostFunction || reentered) return;
                    reentered = true;
                    CallInside(exportName, trigger);
                };
                CallOutside(trigger.outer);
                EXPECT_TRUE(reentered);
                ExpectWhole();
            }
            Stop();
        }
    }
}

}  // namespace
