// The toolbar button the real library asks for, place by place: the "Button<place>" section of
// the configuration file named last, read again at every call.
#include <climits>
#include <cstring>
#include <ostream>
#include <string>

#include "tests/boundary/LoadedPlugin.h"

namespace {

// What one call answered and left in the host's variables. The host fills them beforehand with
// values the plug-in never writes, so an argument left alone shows.
struct ButtonAnswer {
    QsBool wanted;
    std::int32_t iconNumber;
    std::string bitmapFileName;
    std::int32_t position;
    std::int32_t entryCount;

    bool operator==(const ButtonAnswer& other) const {
        return wanted == other.wanted && iconNumber == other.iconNumber && bitmapFileName == other.bitmapFileName &&
               position == other.position && entryCount == other.entryCount;
    }
};
std::ostream& operator<<(std::ostream& out, const ButtonAnswer& a) {
    return out << "{" << int(a.wanted) << ", icon " << a.iconNumber << ", \"" << a.bitmapFileName << "\", position "
               << a.position << ", entries " << a.entryCount << "}";
}

constexpr std::int32_t Untouched = 0x5A5A5A5A;
const char UntouchedName[] = "untouched";

ButtonAnswer NoButton() { return {0, 0, UntouchedName, Untouched, Untouched}; }
ButtonAnswer Button(std::int32_t iconNumber, std::int32_t position, std::int32_t entryCount) {
    return {1, iconNumber, "Quickseek.bmp", position, entryCount};
}

class ToolbarButton : public LoadedPlugin {
protected:
    ButtonAnswer Ask(const host::PluginExports& plugin, std::int32_t place) {
        ButtonAnswer answer{0x77, Untouched, "", Untouched, Untouched};
        char bitmap[64];
        std::memset(bitmap, 0, sizeof bitmap);
        std::strcpy(bitmap, UntouchedName);
        answer.wanted = plugin.AjouterBoutonRaccourciMenu(place, &answer.iconNumber, bitmap, &answer.position,
                                                          &answer.entryCount);
        answer.bitmapFileName = bitmap;
        return answer;
    }
};

std::string Entries(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "[SEARCH_" + std::to_string(i) + "]\nfr_TITLE=T" + std::to_string(i) + "\nfr_URL=http://x/?q=%1\n";
    return text;
}

}  // namespace

TEST_F(ToolbarButton, WithoutButtonSectionsOnlyPlaceTwoHasAButton) {
    Folder().Write("Quickseek.ini", Entries(3));
    const host::PluginExports& plugin = Load();
    plugin.Init(0, 0);
    EXPECT_EQ(Ask(plugin, 2), Button(-1, 100, 3));
    for (const std::int32_t place : {1, 0, 3, -2, 12, INT_MIN, INT_MAX}) EXPECT_EQ(Ask(plugin, place), NoButton()) << place;
}

TEST_F(ToolbarButton, ReadsTheButtonSectionOfThePlace) {
    const struct {
        const char* file;  // Quickseek_MY.ini, the file named after Init
        std::int32_t place;
        ButtonAnswer answer;
    } cases[] = {
        {"[Button1]\niLieu=1\n", 1, Button(-1, 100, 2)},
        {"[Button1]\niLieu=1\niPosition=7\niNumIcone=3\n", 1, Button(3, 7, 2)},
        {"[Button1]\niLieu=-4\niPosition=-1\niNumIcone=0\n", 1, Button(0, -1, 2)},
        {"[Button2]\niLieu=0\n", 2, NoButton()},
        {"[Button2]\niLieu=0\niPosition=7\niNumIcone=3\n", 2, NoButton()},
        {"[Button2]\niPosition=8\n", 2, Button(-1, 8, 2)},
        {"[Button1]\niLieu=1\n", 2, Button(-1, 100, 2)},  // another place's section
        {"[Button12]\niLieu=1\n", 1, NoButton()},
        {"[Button-1]\niLieu=1\niNumIcone=9\n", -1, Button(9, 100, 2)},
        {"[Button-1]\niPosition=5\n", -1, NoButton()},  // no button by default
        {"[Button-2]\niLieu=1\n", 2, Button(-1, 100, 2)},
        {"[Button+3]\niLieu=1\n", 3, NoButton()},  // the place is written without a sign
        {"[Button03]\niLieu=1\n", 3, NoButton()},
        // A value that is not an integer gives the default.
        {"[Button2]\niLieu=yes\n", 2, Button(-1, 100, 2)},
        {"[Button1]\niLieu=true\n", 1, NoButton()},
        {"[Button2]\niLieu=\n", 2, Button(-1, 100, 2)},
        {"[Button2]\niPosition=abc\niNumIcone=\n", 2, Button(-1, 100, 2)},
    };
    Folder().Write("Quickseek.ini", Entries(2));
    const host::PluginExports& plugin = Load();
    plugin.Init(0, 0);
    for (const auto& c : cases) {
        Folder().Write("Quickseek_MY.ini", c.file);
        EXPECT_EQ(Ask(plugin, c.place), c.answer) << c.file << "place " << c.place;
    }
}

TEST_F(ToolbarButton, ReadsTheFileThatInitOrNomPluginNamedLast) {
    Folder().Write("Quickseek.ini", Entries(1) + "[Button1]\niLieu=1\n");
    Folder().Write("Quickseek_MY.ini", "[Button3]\niLieu=1\n");
    char name[2048];
    std::int32_t length = 0;

    const host::PluginExports& plugin = Load();
    // Neither has run: no file is named, whatever lies in the folder.
    EXPECT_EQ(Ask(plugin, 1), NoButton());
    EXPECT_EQ(Ask(plugin, 3), NoButton());
    EXPECT_EQ(Ask(plugin, 2), Button(-1, 100, 0));

    plugin.NomPlugin(name, &length);
    EXPECT_EQ(Ask(plugin, 1), Button(-1, 100, 0));
    EXPECT_EQ(Ask(plugin, 3), NoButton());

    plugin.Init(0, 0);
    EXPECT_EQ(Ask(plugin, 1), NoButton());
    EXPECT_EQ(Ask(plugin, 3), Button(-1, 100, 1));

    plugin.NomPlugin(name, &length);
    EXPECT_EQ(Ask(plugin, 1), Button(-1, 100, 1));
    EXPECT_EQ(Ask(plugin, 3), NoButton());
}

TEST_F(ToolbarButton, InitAfterNomPluginNamesTheSecondFile) {
    Folder().Write("Quickseek.ini", "[Button1]\niLieu=1\n");
    char name[2048];
    std::int32_t length = 0;
    const host::PluginExports& plugin = Load();
    plugin.NomPlugin(name, &length);
    plugin.Init(0, 0);
    // Quickseek_MY.ini is named even though it does not exist.
    EXPECT_EQ(Ask(plugin, 1), NoButton());
    EXPECT_EQ(Ask(plugin, 2), Button(-1, 100, 0));
}

TEST_F(ToolbarButton, SeesTheFileAsItIsAtEachCall) {
    const host::PluginExports& plugin = Load();
    plugin.Init(0, 0);
    EXPECT_EQ(Ask(plugin, 1), NoButton());
    Folder().Write("Quickseek_MY.ini", "[Button1]\niLieu=1\niPosition=4\n");
    EXPECT_EQ(Ask(plugin, 1), Button(-1, 4, 0));
    Folder().Write("Quickseek_MY.ini", "[Button1]\niLieu=1\niPosition=5\n");
    EXPECT_EQ(Ask(plugin, 1), Button(-1, 5, 0));
    Folder().Remove("Quickseek_MY.ini");
    EXPECT_EQ(Ask(plugin, 1), NoButton());
}
