// The sub-menu as a host builds it: 20 DefinirUnSousMenu calls on the real library, loaded
// through its export table, with CTRLMENU on and 1 MiB selected, so that each item reads the
// selection from the host and tests it against its entry's pattern. Beside it, the least any
// host and plug-in can do for it: copy the selection once per item.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "bench/BenchText.h"
#include "host/HostState.h"
#include "host/PluginLibrary.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSelectionBytes = 1 << 20;
constexpr int kItems = 20;

// Patterns of the kinds the sample configuration uses: most entries have none or one that is
// anchored at both ends; a few look for something anywhere in the selection.
const char* const kPatterns[] = {
    "",
    "^[^ \\t\\r\\n]+$",
    "^(97[89]-?)?([0-9]-?){9}[0-9Xx]$",
    "",
    "^\\d{5}$",
    "^[\\w.+-]+@[\\w-]+(\\.[\\w-]+)+$",
    "^(https?|ftp)://\\S+$",
    "\\b\\d{4}-\\d\\d-\\d\\d\\b",
    "",
    "^[A-Z]{2}\\d{2}[A-Z0-9 ]{11,30}$",
};

std::string TwentyEntries() {
    std::string text = "[OPTION]\r\nCTRLMENU=1\r\nTRIM=1\r\n\r\n";
    for (int i = 0; i < kItems; ++i) {
        const char* pattern = kPatterns[i % (sizeof kPatterns / sizeof kPatterns[0])];
        text += "[SEARCH_Entry" + std::to_string(i) + "]\r\nfr_TITLE=Entry " + std::to_string(i) +
                "\r\nfr_URL=https://example.org/?q=%1\r\n";
        if (*pattern) text += std::string("fr_REGEXP=") + pattern + "\r\n";
        text += "\r\n";
    }
    return text;
}

class MenuHost {
public:
    MenuHost() : folder_(fs::temp_directory_path() / ("quickseek-menu-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(folder_);
        const fs::path library = QS_PLUGIN_FILE;
        fs::copy_file(library, folder_ / library.filename(), fs::copy_options::overwrite_existing);
        std::ofstream(folder_ / "Quickseek.ini", std::ios::binary) << TwentyEntries();
        host::Script() = host::HostScript{};
        host::Script().selection = qs_bench::Prose(kSelectionBytes);
        std::string error;
        library_ = host::PluginLibrary::Load(folder_.string(), &error);
        if (!library_) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::abort();
        }
        library_->Exports().Init(0, 0);
    }
    ~MenuHost() {
        library_.reset();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    const host::PluginExports& Exports() const { return library_->Exports(); }

private:
    fs::path folder_;
    std::unique_ptr<host::PluginLibrary> library_;
};

void BM_MenuOfTwentyEntries(benchmark::State& state) {
    MenuHost menu;
    char caption[256];
    int enabledItems = 0;
    for (auto _ : state) {
        enabledItems = 0;
        for (int i = 0; i < kItems; ++i) {
            QsBool enabled = QsFalse;
            QsBool visible = QsFalse;
            menu.Exports().DefinirUnSousMenu(i, &enabled, &visible, 0, caption);
            enabledItems += enabled;
        }
        host::Script().ClearCalls();
    }
    state.SetLabel(std::to_string(enabledItems) + " of 20 enabled");
}

void BM_CopySelectionTwentyTimes(benchmark::State& state) {
    const std::string selection = qs_bench::Prose(kSelectionBytes);
    std::string copy(selection.size(), '\0');
    for (auto _ : state) {
        for (int i = 0; i < kItems; ++i) {
            std::memcpy(&copy[0], selection.data(), selection.size());
            benchmark::DoNotOptimize(copy.data());
            benchmark::ClobberMemory();
        }
    }
}

}  // namespace

BENCHMARK(BM_MenuOfTwentyEntries)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopySelectionTwentyTimes)->Unit(benchmark::kMicrosecond);
