// Soak: the real library loaded, initialised, asked for its menu, clicked through and unloaded
// again and again, as a host does over a long session, while the process's handles and private
// memory are sampled; both must stay flat. Then the menu with the largest selection a host may
// pass, and with patterns built to make a matcher backtrack without end: both must complete.
//
// usage: soak CYCLES
// Prints its figures; exits non-zero when a check fails.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/HostileCorpus.h"
#include "host/HostState.h"
#include "host/PluginLibrary.h"
#include "tests/soak/ProcessUsage.h"
#include "tests/soak/QuietDesktop.h"
#include "tests/support/PluginFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

// Growth allowed between the sample after the warm-up and the last one: far above what a
// settled heap drifts by, far below what the smallest record lost per cycle adds up to.
constexpr std::int64_t AllowedHandleGrowth = 16;
constexpr std::int64_t AllowedMemoryGrowth = 4 << 20;
// A selection every item accepts: one word, digits only, an ISBN.
const char* const Selection = "9783161484100";

int g_failures = 0;

void Fail(const std::string& what) {
    std::printf("FAILED: %s\n", what.c_str());
    ++g_failures;
}

double Seconds(Clock::duration elapsed) { return std::chrono::duration<double>(elapsed).count(); }
double MiB(std::int64_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

std::unique_ptr<host::PluginLibrary> LoadFrom(const qs_test::PluginFolder& folder) {
    std::string error;
    std::unique_ptr<host::PluginLibrary> library = host::PluginLibrary::Load(folder.Path(), &error);
    if (!library) {
        std::printf("FAILED: %s\n", error.c_str());
        std::exit(1);
    }
    return library;
}

struct Cycle {
    int items = 0;
    int enabled = 0;
    std::int64_t opened = 0;
};

// Load, Init, the menu, a click on every item, unload.
Cycle RunCycle(const qs_test::PluginFolder& folder) {
    Cycle cycle;
    std::unique_ptr<host::PluginLibrary> library = LoadFrom(folder);
    {
        qs_soak::QuietDesktop desktop(*library);
        const host::PluginExports& plugin = library->Exports();
        plugin.Init(0, 0);
        for (;; ++cycle.items) {
            QsBool enabled = 0, visible = 0;
            char caption[128];
            if (!plugin.DefinirUnSousMenu(cycle.items, &enabled, &visible, 0, caption)) break;
            cycle.enabled += enabled;
        }
        for (int item = 0; item < cycle.items; ++item) plugin.OnClicSousMenu(item);
        cycle.opened = desktop.AddressesOpened();
    }
    library.reset();
    host::Script().ClearCalls();
    return cycle;
}

void Soak(long cycles) {
    qs_test::PluginFolder folder;
    folder.Write("Quickseek.ini", qs_test::ReadFile(qs_test::SourceFile("examples/Quickseek.ini")));
    folder.Write("Quickseek_MY.ini", qs_test::ReadFile(qs_test::SourceFile("examples/Quickseek_MY.ini")));
    host::Script() = host::HostScript{};
    host::Script().selection = Selection;

    // The first cycles fill the heaps and caches that every later cycle reuses.
    const long warmUp = cycles < 100 ? cycles / 2 : 50;
    const Cycle first = RunCycle(folder);
    if (first.items == 0 || first.enabled != first.items) Fail("the sample configuration gave no working menu");
    for (long i = 1; i < warmUp; ++i) RunCycle(folder);

    const qs_soak::ProcessUsage start = qs_soak::SampleProcessUsage();
    qs_soak::ProcessUsage peak = start;
    const auto began = Clock::now();
    for (long i = warmUp; i < cycles; ++i) {
        const Cycle cycle = RunCycle(folder);
        if (cycle.items != first.items || cycle.enabled != first.enabled || cycle.opened != first.opened) {
            Fail("cycle " + std::to_string(i) + " differs from the first: " + std::to_string(cycle.items) + " items, " +
                 std::to_string(cycle.enabled) + " enabled, " + std::to_string(cycle.opened) + " opened");
            break;
        }
        if ((i - warmUp) % 500 == 499) {
            const qs_soak::ProcessUsage now = qs_soak::SampleProcessUsage();
            if (now.privateBytes > peak.privateBytes) peak.privateBytes = now.privateBytes;
            if (now.handles > peak.handles) peak.handles = now.handles;
        }
    }
    const double elapsed = Seconds(Clock::now() - began);
    const qs_soak::ProcessUsage end = qs_soak::SampleProcessUsage();

    const long measured = cycles - warmUp;
    std::printf("soak: %ld cycles of load, Init, menu (%d items), a click on each, unload", cycles, first.items);
    if (first.opened >= 0) std::printf(" (%lld addresses opened per cycle)", static_cast<long long>(first.opened));
    std::printf("\nsoak: %.2f ms per cycle after %ld warm-up cycles\n", measured > 0 ? 1000 * elapsed / static_cast<double>(measured) : 0.0,
                warmUp);
    std::printf("soak: handles %lld -> %lld (%+lld, peak %lld; %s)\n", static_cast<long long>(start.handles),
                static_cast<long long>(end.handles), static_cast<long long>(end.handles - start.handles),
                static_cast<long long>(peak.handles), start.handleSource);
    std::printf("soak: private memory %.2f MiB -> %.2f MiB (%+.3f MiB, peak %.2f MiB; %s)\n", MiB(start.privateBytes),
                MiB(end.privateBytes), MiB(end.privateBytes - start.privateBytes), MiB(peak.privateBytes),
                start.memorySource);
    std::printf("soak: summary: %ld cycles, handles %lld -> %lld, private memory %.2f -> %.2f MiB\n", cycles,
                static_cast<long long>(start.handles), static_cast<long long>(end.handles), MiB(start.privateBytes),
                MiB(end.privateBytes));
    // A process always holds some handles and some private memory: nothing means no figure.
    if (start.handles <= 0 || start.privateBytes <= 0) Fail("the process's usage could not be sampled");
    if (end.handles - start.handles > AllowedHandleGrowth) Fail("handles grew");
    if (end.privateBytes - start.privateBytes > AllowedMemoryGrowth) Fail("private memory grew");
}

// Words and spaces, then a date: every byte of it is read and matched.
std::string Prose(std::size_t length) {
    static const char* const words[] = {"alpha ", "Beta ", "gamma ", "delta ", "caf\xE9 ", "quickseek "};
    std::string text;
    text.reserve(length);
    for (unsigned i = 0; text.size() < length; ++i) text += words[(i * 7) % 6];
    text.resize(length - 11);
    return text + " 2024-05-17";
}

// Twenty entries, among them patterns that must look at the whole selection.
void LargeSelection() {
    const char* const patterns[] = {
        "",           "^\\d+$",          "^[^ \\t\\r\\n]+$",  "^(97[89]-?)?([0-9]-?){9}[0-9Xx]$",
        "(?i)\\bQUICKSEEK\\b", "\\d{4}-\\d\\d-\\d\\d$", "^.{1,200}$", "[A-Z][a-z]+",
        "(?m)^abc$",  "\\s",             "x{3,}",             "(?i)CAF\\xE9",
        "^\\S+@\\S+$", "https?://",      "[^\\x00-\\x7F]",     "\\b\\w{30,}\\b",
        "(ab|cd)+e",  "^ *$",            "\\bgamma delta\\b",  "",
    };
    std::string configuration = "[OPTION]\nCTRLMENU=1\n";
    for (int i = 0; i < 20; ++i)
        configuration += "[SEARCH_" + std::to_string(i) + "]\nfr_TITLE=Entry " + std::to_string(i) +
                         "\nfr_URL=q=%1\nfr_REGEXP=" + patterns[i] + "\n";
    qs_test::PluginFolder folder;
    folder.Write("Quickseek.ini", configuration);
    host::Script() = host::HostScript{};
    host::Script().selection = Prose(16u << 20);

    std::unique_ptr<host::PluginLibrary> library = LoadFrom(folder);
    const host::PluginExports& plugin = library->Exports();
    plugin.Init(0, 0);
    const auto began = Clock::now();
    int items = 0, enabled = 0;
    for (;; ++items) {
        QsBool isEnabled = 0, visible = 0;
        char caption[128];
        if (!plugin.DefinirUnSousMenu(items, &isEnabled, &visible, 0, caption)) break;
        enabled += isEnabled;
    }
    std::printf("large selection: 16 MiB through a menu of %d items with CTRLMENU on: %.2f s, %d enabled\n", items,
                Seconds(Clock::now() - began), enabled);
    if (items != 20) Fail("the menu of 20 items did not complete");
    // The entries without a pattern and those whose pattern the text holds.
    if (enabled < 2) Fail("no item was enabled for the large selection");
}

// Every pattern of the hostile corpus as an entry, each asked with the text that makes it
// backtrack: each item answers within the filter's work budget.
void HostilePatterns() {
    const std::vector<qs_bench::HostileCase> cases =
        qs_bench::ReadHostileCorpus(qs_test::SourceFile("tests/data/patterns/hostile.txt"));
    std::string configuration = "[OPTION]\nCTRLMENU=1\nTRIM=0\n";
    for (std::size_t i = 0; i < cases.size(); ++i)
        configuration += "[SEARCH_" + std::to_string(i) + "]\nfr_TITLE=Hostile " + std::to_string(i) +
                         "\nfr_URL=q=%1\nfr_REGEXP=" + cases[i].pattern + "\n";
    qs_test::PluginFolder folder;
    folder.Write("Quickseek.ini", configuration);
    host::Script() = host::HostScript{};
    std::unique_ptr<host::PluginLibrary> library = LoadFrom(folder);
    const host::PluginExports& plugin = library->Exports();
    plugin.Init(0, 0);

    for (const std::size_t length : {std::size_t{1} << 10, std::size_t{64} << 10}) {
        double slowest = 0, total = 0;
        std::string slowestPattern;
        for (std::size_t i = 0; i < cases.size(); ++i) {
            host::Script().selection = cases[i].Text(length);
            QsBool enabled = 0, visible = 0;
            char caption[128];
            const auto began = Clock::now();
            if (!plugin.DefinirUnSousMenu(static_cast<std::int32_t>(i), &enabled, &visible, 0, caption))
                Fail("hostile item " + std::to_string(i) + " does not exist");
            const double seconds = Seconds(Clock::now() - began);
            total += seconds;
            if (seconds > slowest) slowest = seconds, slowestPattern = cases[i].pattern;
        }
        std::printf("hostile patterns: %zu items on %zu KiB each: %.2f s in all, slowest %.0f ms (%s)\n", cases.size(),
                    length >> 10, total, 1000 * slowest, slowestPattern.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Each line as it comes: the figures must reach the test's log however the run ends.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const long cycles = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
    if (cycles < 2) {
        std::fprintf(stderr, "usage: soak CYCLES (at least 2)\n");
        return 2;
    }
    Soak(cycles);
    LargeSelection();
    HostilePatterns();
    std::printf("soak: %s\n", g_failures ? "FAILED" : "passed");
    return g_failures ? 1 : 0;
}
