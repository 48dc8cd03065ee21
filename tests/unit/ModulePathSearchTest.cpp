// Finding the module's path against a scripted system: GetModuleFileNameExA with its
// growing buffer on the NT family, the ToolHelp module walk on the others.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ModulePathSearch.h"

namespace {

void* const kPlugin = reinterpret_cast<void*>(0x10000000);
void* const kOther = reinterpret_cast<void*>(0x20000000);

// GetModuleFileNameExA over a name: copies what fits and answers the count, which equals the
// size when the name was cut (the older systems write no zero then).
struct ScriptedModuleFileName {
    explicit ScriptedModuleFileName(std::string text) : name(std::move(text)) {}

    std::string name;
    std::vector<std::uint32_t> sizesAsked;
    void* moduleAsked = nullptr;

    std::uint32_t operator()(void* module, char* buffer, std::uint32_t size) {
        sizesAsked.push_back(size);
        moduleAsked = module;
        if (name.size() < size) {
            std::memcpy(buffer, name.c_str(), name.size() + 1);
            return static_cast<std::uint32_t>(name.size());
        }
        std::memcpy(buffer, name.data(), size);
        return size;
    }
};

qs::ModuleNameSource NtSource(ScriptedModuleFileName& function) {
    qs::ModuleNameSource source;
    source.platformId = qs::PlatformWin32Nt;
    source.moduleFileName = [&function](void* module, char* buffer, std::uint32_t size) {
        return function(module, buffer, size);
    };
    return source;
}

TEST(ModulePathSearch, AsksGetModuleFileNameExForThePluginsModule) {
    ScriptedModuleFileName function{"C:\\Plugins\\Quickseek.dll"};
    EXPECT_EQ(qs::FindModulePath(NtSource(function), kPlugin), "C:\\Plugins\\Quickseek.dll");
    EXPECT_EQ(function.sizesAsked, std::vector<std::uint32_t>{260});
    EXPECT_EQ(function.moduleAsked, kPlugin);
}

TEST(ModulePathSearch, DoublesTheBufferWhileTheNameFillsIt) {
    const struct {
        std::size_t nameLength;
        std::vector<std::uint32_t> sizes;
    } cases[] = {
        {259, {260}},
        {260, {260, 520}},  // exactly the buffer's size: perhaps cut, so asked again
        {519, {260, 520}},
        {520, {260, 520, 1040}},
        {3000, {260, 520, 1040, 2080, 4160}},
    };
    for (const auto& c : cases) {
        ScriptedModuleFileName function{"C:\\" + std::string(c.nameLength - 3, 'a')};
        EXPECT_EQ(qs::FindModulePath(NtSource(function), kPlugin), function.name) << c.nameLength;
        EXPECT_EQ(function.sizesAsked, c.sizes) << c.nameLength;
    }
}

TEST(ModulePathSearch, EveryFailureOnNtEndsAsEmptyText) {
    qs::ModuleNameSource failing;
    failing.platformId = qs::PlatformWin32Nt;
    failing.moduleFileName = [](void*, char*, std::uint32_t) { return 0u; };
    EXPECT_EQ(qs::FindModulePath(failing, kPlugin), "");

    qs::ModuleNameSource unbound;  // PSAPI or its function missing
    unbound.platformId = qs::PlatformWin32Nt;
    EXPECT_EQ(qs::FindModulePath(unbound, kPlugin), "");

    qs::ModuleNameSource throwing;
    throwing.platformId = qs::PlatformWin32Nt;
    throwing.moduleFileName = [](void*, char*, std::uint32_t) -> std::uint32_t { throw std::bad_alloc(); };
    EXPECT_EQ(qs::FindModulePath(throwing, kPlugin), "");

    // A source that fills every buffer would grow it without end; the search gives up.
    std::vector<std::uint32_t> sizes;
    qs::ModuleNameSource alwaysFull;
    alwaysFull.platformId = qs::PlatformWin32Nt;
    alwaysFull.moduleFileName = [&sizes](void*, char* buffer, std::uint32_t size) {
        sizes.push_back(size);
        std::memset(buffer, 'a', size);
        return size;
    };
    EXPECT_EQ(qs::FindModulePath(alwaysFull, kPlugin), "");
    EXPECT_GT(sizes.back(), 32767u);
    EXPECT_LE(sizes.back(), qs::ModuleNameLargestBufferSize);
}

// The ToolHelp walk over a scripted module list.
struct ScriptedSnapshot {
    std::vector<qs::ModuleEntryFields> modules;
    bool opens = true;
    int opened = 0, closed = 0;
    std::size_t delivered = 0;

    qs::ModuleNameSource Source(std::uint32_t platformId) {
        qs::ModuleNameSource source;
        source.platformId = platformId;
        source.openSnapshot = [this]() -> void* {
            if (!opens) return nullptr;
            ++opened;
            return this;
        };
        source.firstModule = [this](void* snapshot, qs::ModuleEntryFields& entry) {
            EXPECT_EQ(snapshot, this);
            delivered = 0;
            return Deliver(entry);
        };
        source.nextModule = [this](void* snapshot, qs::ModuleEntryFields& entry) {
            EXPECT_EQ(snapshot, this);
            return Deliver(entry);
        };
        source.closeSnapshot = [this](void* snapshot) {
            EXPECT_EQ(snapshot, this);
            ++closed;
        };
        return source;
    }
    bool Deliver(qs::ModuleEntryFields& entry) {
        if (delivered == modules.size()) return false;
        entry = modules[delivered++];
        return true;
    }
};

qs::ModuleEntryFields Module(void* handle, const std::string& path) {
    qs::ModuleEntryFields entry;
    entry.module = handle;
    std::memcpy(entry.exePath, path.data(), std::min(path.size(), sizeof entry.exePath));
    return entry;
}

TEST(ModulePathSearch, WalksTheModuleListWhenNotNt) {
    for (std::uint32_t platformId : {0u, 1u, 3u}) {  // Win32s, the Windows 95 family, anything else
        ScriptedSnapshot snapshot;
        snapshot.modules = {Module(kOther, "C:\\Host\\Tidewire2.exe"), Module(kPlugin, "C:\\Host\\Quickseek.dll"),
                            Module(kPlugin, "C:\\Elsewhere\\Quickseek.dll")};
        EXPECT_EQ(qs::FindModulePath(snapshot.Source(platformId), kPlugin), "C:\\Host\\Quickseek.dll") << platformId;
        EXPECT_EQ(snapshot.delivered, 2u) << "stops at the first match";
        EXPECT_EQ(snapshot.opened, 1);
        EXPECT_EQ(snapshot.closed, 1);
    }
}

TEST(ModulePathSearch, ModuleListFailuresEndAsEmptyTextAndCloseTheSnapshot) {
    ScriptedSnapshot notListed;
    notListed.modules = {Module(kOther, "C:\\Host\\Tidewire2.exe")};
    EXPECT_EQ(qs::FindModulePath(notListed.Source(1), kPlugin), "");
    EXPECT_EQ(notListed.closed, 1);

    ScriptedSnapshot empty;
    EXPECT_EQ(qs::FindModulePath(empty.Source(1), kPlugin), "");
    EXPECT_EQ(empty.closed, 1);

    ScriptedSnapshot noSnapshot;
    noSnapshot.opens = false;
    EXPECT_EQ(qs::FindModulePath(noSnapshot.Source(1), kPlugin), "");
    EXPECT_EQ(noSnapshot.closed, 0);

    ScriptedSnapshot throwing;
    throwing.modules = {Module(kOther, "x")};
    qs::ModuleNameSource source = throwing.Source(1);
    source.nextModule = [](void*, qs::ModuleEntryFields&) -> bool { throw std::runtime_error("fault"); };
    EXPECT_EQ(qs::FindModulePath(source, kPlugin), "");
    EXPECT_EQ(throwing.closed, 1);

    qs::ModuleNameSource unbound;  // kernel32 without the ToolHelp functions
    unbound.platformId = 1;
    EXPECT_EQ(qs::FindModulePath(unbound, kPlugin), "");
}

TEST(ModulePathSearch, ThePathFieldIsReadUpToItsZeroAndNoFurther) {
    ScriptedSnapshot full;
    qs::ModuleEntryFields entry;
    entry.module = kPlugin;
    std::memset(entry.exePath, 'p', sizeof entry.exePath);  // no zero in the whole field
    full.modules = {entry};
    EXPECT_EQ(qs::FindModulePath(full.Source(1), kPlugin), std::string(qs::ModuleEntryPathSize, 'p'));
}

TEST(ModulePathSearch, NtDoesNotWalkTheModuleListAndOthersDoNotAskPsapi) {
    ScriptedSnapshot snapshot;
    snapshot.modules = {Module(kPlugin, "C:\\Walked\\Quickseek.dll")};
    ScriptedModuleFileName function{"C:\\Asked\\Quickseek.dll"};
    qs::ModuleNameSource source = snapshot.Source(qs::PlatformWin32Nt);
    source.moduleFileName = [&function](void* module, char* buffer, std::uint32_t size) {
        return function(module, buffer, size);
    };
    EXPECT_EQ(qs::FindModulePath(source, kPlugin), "C:\\Asked\\Quickseek.dll");
    EXPECT_EQ(snapshot.opened, 0);
    source.platformId = 1;
    function.sizesAsked.clear();
    EXPECT_EQ(qs::FindModulePath(source, kPlugin), "C:\\Walked\\Quickseek.dll");
    EXPECT_TRUE(function.sizesAsked.empty());
}

}  // namespace
