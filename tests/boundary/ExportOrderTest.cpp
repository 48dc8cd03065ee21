// The exports in every order the host may choose: every sequence of three calls, on a fresh
// load each. What Init and NomPlugin leave behind decides every answer, so each answer is
// checked against a small model of those two facts.
#include <cstring>
#include <string>

#include "tests/boundary/LoadedPlugin.h"
#include "tests/boundary/QuietAboutBox.h"

namespace {

// An entry whose pattern refuses the host's selection: a run after Init ends with a beep,
// a run before Init without one; so the runs show themselves through the host's calls alone.
// The button at place 1 is wanted only in Quickseek.ini, the one at place 3 only in
// Quickseek_MY.ini: the file named last shows.
const std::string Quickseek =
    "[OPTION]\nSHORTCUT=Ctrl+F11\nBEEP=1\nCTRLMENU=1\n"
    "[DESCRIPTION]\nen_NAME=Web lookup\n"
    "[SEARCH_A]\nfr_TITLE=Alpha\nfr_URL=q=%1\nfr_REGEXP=^\\d+$\n"
    "[Button1]\niLieu=1\n";
const std::string Personal =
    "[SEARCH_B]\nfr_TITLE=Beta\nfr_URL=n=%1\n"
    "[Button3]\niLieu=1\n";

enum Export { Click, Menu, Button, Shortcut, About, Name, Register, Init, ExportCount };
const char* const Names[ExportCount] = {"OnClicSousMenu", "DefinirUnSousMenu", "AjouterBoutonRaccourciMenu",
                                        "OnGereRaccourci", "ShowInformation", "NomPlugin",
                                        "ApresCreationPlugin", "Init"};

// What the earlier calls of one load have left.
struct Model {
    bool initDone = false;
    enum { NoFile, PersonalFile, MainFile } namedLast = NoFile;
};

class ExportOrder : public LoadedPlugin {
protected:
    void Call(const host::PluginExports& plugin, Export which, Model& model) {
        const int beeps = Host().CountCalls("Beep");
        switch (which) {
            case Click:
            case Shortcut: {
                const QsBool answer = which == Click ? plugin.OnClicSousMenu(0) : plugin.OnGereRaccourci(0);
                EXPECT_EQ(answer, 1);
                EXPECT_EQ(Host().CountCalls("Beep"), beeps + (model.initDone ? 1 : 0));
                break;
            }
            case Menu: {
                QsBool enabled = 0x77, visible = 0x77;
                char caption[128] = "untouched";
                const QsBool exists = plugin.DefinirUnSousMenu(0, &enabled, &visible, 0, caption);
                EXPECT_EQ(exists, model.initDone ? 1 : 0);
                EXPECT_STREQ(caption, model.initDone ? "Alpha" : "untouched");
                EXPECT_EQ(enabled, model.initDone ? 0 : 0x77);
                break;
            }
            case Button: {
                const struct {
                    std::int32_t place;
                    bool wanted;
                } places[] = {
                    {1, model.namedLast == Model::MainFile},
                    {2, true},
                    {3, model.namedLast == Model::PersonalFile},
                };
                for (const auto& place : places) {
                    std::int32_t icon = 7, position = 7, count = 7;
                    char bitmap[32] = "untouched";
                    EXPECT_EQ(plugin.AjouterBoutonRaccourciMenu(place.place, &icon, bitmap, &position, &count),
                              place.wanted ? 1 : 0)
                        << "place " << place.place;
                    EXPECT_EQ(count, place.wanted ? (model.initDone ? 2 : 0) : 7);
                }
                break;
            }
            case About: {
                const int versions = Host().CountCalls("Version");
                plugin.ShowInformation();
                EXPECT_EQ(Host().CountCalls("Version"), versions + 1);
                break;
            }
            case Name: {
                char text[64] = {};
                std::int32_t length = 0;
                EXPECT_EQ(plugin.NomPlugin(text, &length), 1);
                EXPECT_STREQ(text, "Web lookup");
                model.namedLast = Model::MainFile;
                break;
            }
            case Register: {
                EXPECT_EQ(plugin.ApresCreationPlugin(), 1);
                // Ctrl+F11 once the configuration is read, the built-in Ctrl+F10 before.
                EXPECT_EQ(Host().calls.back().arguments.at(2), model.initDone ? 0x407A : 0x4079);
                break;
            }
            case Init:
                plugin.Init(0, 0);
                model.initDone = true;
                model.namedLast = Model::PersonalFile;
                break;
            case ExportCount:
                break;
        }
    }
};

TEST_F(ExportOrder, EverySequenceOfThreeCallsGivesTheDocumentedAnswers) {
    Folder().Write("Quickseek.ini", Quickseek);
    Folder().Write("Quickseek_MY.ini", Personal);
    for (int sequence = 0; sequence < ExportCount * ExportCount * ExportCount; ++sequence) {
        const Export calls[3] = {static_cast<Export>(sequence / (ExportCount * ExportCount)),
                                 static_cast<Export>(sequence / ExportCount % ExportCount),
                                 static_cast<Export>(sequence % ExportCount)};
        SCOPED_TRACE(std::string(Names[calls[0]]) + ", " + Names[calls[1]] + ", " + Names[calls[2]]);
        Host() = host::HostScript{};
        Host().selection = "word";
        const host::PluginExports& plugin = Load();
        {
            const qs_test::QuietAboutBox quiet(Library());
            ASSERT_TRUE(quiet.Ready());
            Model model;
            for (const Export call : calls) Call(plugin, call, model);
        }
        Unload();
        if (HasFailure()) break;  // one sequence tells the story; the rest would repeat it
    }
}

}  // namespace
