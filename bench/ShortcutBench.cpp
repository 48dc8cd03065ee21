// One shortcut registration's parse beside the single format it repeats: the parser formats
// every candidate code up to the key it looks for (F12 is code 0x7B, about 116 formats; a text
// that names no key runs all 590).
#include <benchmark/benchmark.h>

#include "shortcut/MyShortcut.h"

namespace {

void BM_FormatShortcut(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(qs::FormatShortcut(0x7B));
}

void BM_ParseShortcut(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(qs::ParseShortcut("Maj+Ctrl+Alt+F12"));
}

void BM_ParseShortcutOfNoKey(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(qs::ParseShortcut("Maj+Ctrl+Alt+NoSuchKey"));
}

}  // namespace

BENCHMARK(BM_FormatShortcut);
BENCHMARK(BM_ParseShortcut);
BENCHMARK(BM_ParseShortcutOfNoKey);
