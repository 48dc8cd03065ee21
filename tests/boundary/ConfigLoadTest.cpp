// Init through the real library: the configuration beside it, seen through the captions of
// the sub-menu items and the entry count of the toolbar button.
#include <cstring>
#include <string>
#include <vector>

#include "tests/boundary/LoadedPlugin.h"

namespace {

class ConfigLoad : public LoadedPlugin {
protected:
    // The captions of the items that exist, in order.
    std::vector<std::string> Captions() {
        std::vector<std::string> captions;
        for (std::int32_t index = 0;; ++index) {
            QsBool enabled = 0, visible = 0;
            char caption[256] = {};
            if (!Plugin().DefinirUnSousMenu(index, &enabled, &visible, 0, caption)) break;
            captions.push_back(caption);
        }
        return captions;
    }
    // The entry count the toolbar button reports at the place that has one by default.
    std::int32_t EntryCount() {
        std::int32_t icon = 0, position = 0, count = -7;
        char bitmap[64] = {};
        Plugin().AjouterBoutonRaccourciMenu(2, &icon, bitmap, &position, &count);
        return count;
    }
    const host::PluginExports& Plugin() { return *plugin_; }
    void LoadAndInit() {
        plugin_ = &Load();
        Plugin().Init(0, 0);
    }

private:
    const host::PluginExports* plugin_ = nullptr;
};

std::string Section(const std::string& name, const std::string& title) {
    return "[SEARCH_" + name + "]\r\nfr_TITLE=" + title + "\r\nfr_URL=http://" + name + "/?q=%1\r\n";
}

TEST_F(ConfigLoad, EntriesOfBothFilesInOrder) {
    Folder().Write("Quickseek.ini", Section("A", "Alpha") + Section("B", "Beta"));
    Folder().Write("Quickseek_MY.ini", Section("C", "Gamma") + Section("A", "Alpha again"));
    LoadAndInit();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Alpha", "Beta", "Gamma", "Alpha again"}));
    EXPECT_EQ(EntryCount(), 4);
}

TEST_F(ConfigLoad, KeysInTheHostsLanguage) {
    Folder().Write("Quickseek.ini", "[SEARCH_A]\nfr_TITLE=Titre\nen_TITLE=Title\nfr_URL=u\n[SEARCH_B]\nfr_TITLE=Seul\nfr_URL=u\n");
    Host().languageBytes = std::string("EN\0", 3);
    LoadAndInit();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Title", "Seul"}));
    EXPECT_EQ(Host().CountCalls("CodeLangue"), 1);
}

TEST_F(ConfigLoad, ASecondInitChangesNothing) {
    Folder().Write("Quickseek.ini", Section("A", "Alpha"));
    LoadAndInit();
    Folder().Write("Quickseek_MY.ini", Section("B", "Beta"));
    Plugin().Init(0, 0);
    Plugin().Init(1, 2);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Alpha"});
    EXPECT_EQ(EntryCount(), 1);
    EXPECT_EQ(Host().CountCalls("CodeLangue"), 1);
}

TEST_F(ConfigLoad, TheNextLoadReadsTheFilesAgain) {
    Folder().Write("Quickseek.ini", Section("A", "Alpha"));
    LoadAndInit();
    Unload();
    Folder().Write("Quickseek_MY.ini", Section("B", "Beta"));
    LoadAndInit();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Alpha", "Beta"}));
}

TEST_F(ConfigLoad, NoFilesNoEntries) {
    LoadAndInit();
    EXPECT_TRUE(Captions().empty());
    EXPECT_EQ(EntryCount(), 0);
}

TEST_F(ConfigLoad, BadFilesLoadWhatTheyHold) {
    std::string garbage(20000, '\0');
    std::uint32_t seed = 99;
    for (char& byte : garbage) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<char>(seed >> 24);
    }
    const struct {
        const char* what;
        std::string quickseek;  // empty name: a folder of that name
        std::string personal;
        std::vector<std::string> captions;
    } cases[] = {
        {"a folder named Quickseek.ini", "", Section("M", "Mine"), {"Mine"}},
        {"empty files", "\x01", "", {}},
        {"garbage", garbage, garbage + "\n" + Section("G", "Found"), {"Found"}},
        {"zero bytes", std::string("[SEARCH_Z]\nfr_TITLE=Z\0ero\nfr_URL=u\n\0\0\0", 36), std::string(100, '\0'), {"Z"}},
        {"an unclosed quote and no line end", "[SEARCH_Q]\nfr_TITLE=\"Quoted\"\nfr_URL=\"u", "", {"Quoted"}},
    };
    for (const auto& c : cases) {
        if (c.quickseek.empty()) {
            Folder().MakeDirectory("Quickseek.ini");
        } else {
            Folder().Write("Quickseek.ini", c.quickseek == "\x01" ? std::string() : c.quickseek);
        }
        Folder().Write("Quickseek_MY.ini", c.personal);
        LoadAndInit();
        EXPECT_EQ(Captions(), c.captions) << c.what;
        Unload();
        Folder().Remove("Quickseek.ini");
    }
}

TEST_F(ConfigLoad, ATitleIsCutTo100Characters) {
    Folder().Write("Quickseek.ini", Section("Long", std::string(150, 'T')));
    LoadAndInit();
    EXPECT_EQ(Captions(), std::vector<std::string>{std::string(100, 'T')});
}

}  // namespace
