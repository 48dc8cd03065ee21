// What a load and an unload of the DLL leave in the host process: no thread-local storage slot
// (a process has about a thousand, and a runtime that runs out of them ends the process) and
// no handle.
#include <windows.h>

#include <vector>

#include "tests/boundary/LoadedPlugin.h"

namespace {

// The slots still free: taken one by one until none is left, then given back.
int FreeTlsSlots() {
    std::vector<DWORD> taken;
    for (DWORD slot; (slot = TlsAlloc()) != TLS_OUT_OF_INDEXES;) taken.push_back(slot);
    for (const DWORD slot : taken) TlsFree(slot);
    return static_cast<int>(taken.size());
}

// The handles open in this process, found by trying every value (Wine answers 0 to
// GetProcessHandleCount).
int OpenHandles() {
    int count = 0;
    for (ULONG_PTR value = 4; value <= (1u << 16); value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

}  // namespace

class UnloadResources : public LoadedPlugin {
protected:
    // Load, every export that needs no user, unload; `failure`: also a call that fails inside.
    void Cycle(bool failure) {
        const host::PluginExports& plugin = Load();
        char name[64];
        std::int32_t length = 0, icon = 0, position = 0, count = 0;
        char bitmap[32];
        plugin.NomPlugin(name, &length);
        plugin.Init(0, 0);
        plugin.ApresCreationPlugin();
        plugin.AjouterBoutonRaccourciMenu(2, &icon, bitmap, &position, &count);
        Host().selection = "word";
        QsBool enabled = 0, visible = 0;
        char caption[128];
        plugin.DefinirUnSousMenu(0, &enabled, &visible, 0, caption);
        plugin.OnClicSousMenu(0);
        plugin.OnGereRaccourci(0);
        if (failure) plugin.OnClicSousMenu(-1);  // an exception inside, caught at the export
        Unload();
    }
};

TEST_F(UnloadResources, LoadAndUnloadLeaveNoSlotAndNoHandleBehind) {
    Folder().Write("Quickseek.ini", "[SEARCH_A]\nfr_TITLE=A\nfr_URL=q=%1\nfr_NAVIGATOR=0\nfr_CLIPBOARD=0\n");
    Cycle(false);  // the first load may set up what later ones share
    const int slots = FreeTlsSlots();
    const int handles = OpenHandles();
    for (int i = 0; i < 20; ++i) Cycle(false);
    EXPECT_EQ(FreeTlsSlots(), slots);
    EXPECT_EQ(OpenHandles(), handles);
}

// A failure inside a call makes the unwinder set up thread-local data, whose lock (two
// semaphores) the thread library keeps in a place nothing outside it reaches: those stay
// behind, once per load that met such a failure. The slot does not.
TEST_F(UnloadResources, AFailureInsideLeavesNoSlotBehind) {
    Folder().Write("Quickseek.ini", "[SEARCH_A]\nfr_TITLE=A\nfr_URL=q=%1\nfr_NAVIGATOR=0\nfr_CLIPBOARD=0\n");
    Cycle(true);
    const int slots = FreeTlsSlots();
    for (int i = 0; i < 20; ++i) Cycle(true);
    EXPECT_EQ(FreeTlsSlots(), slots);
}
