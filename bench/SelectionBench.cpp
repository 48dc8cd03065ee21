// The selection filter as the menu calls it, on a 1 MiB selection, beside the cheapest thing
// any search of that selection must do: read it once (memchr for a byte it does not hold).
// The patterns: a literal that is absent (the whole text is searched), the sample
// configuration's ISBN pattern (anchored at both ends), and a case-insensitive list of ten
// words, absent too.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/BenchText.h"
#include "search/SelectionFilter.h"

namespace {

constexpr std::size_t kSelectionBytes = 1 << 20;

const char* const kPatterns[] = {
    "needle",
    "^(97[89]-?)?([0-9]-?){9}[0-9Xx]$",
    "(?i)\\b(alpha|beta|gamma|delta|epsilon|zeta|eta|theta|iota|kappa)\\b",
};

const std::string& Selection() {
    static const std::string text = qs_bench::Prose(kSelectionBytes);
    return text;
}

void BM_MemchrScan(benchmark::State& state) {
    const std::string& text = Selection();
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(std::memchr(text.data(), '\x01', text.size()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kSelectionBytes);
}

void BM_SelectionMatches(benchmark::State& state) {
    const std::string pattern = kPatterns[state.range(0)];
    const std::string& text = Selection();
    bool matched = false;
    for (auto _ : state) {
        matched = qs::SelectionMatches(pattern, text);
        benchmark::DoNotOptimize(matched);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kSelectionBytes);
    state.SetLabel(pattern + (matched ? " -> match" : " -> no match"));
}

}  // namespace

BENCHMARK(BM_MemchrScan);
BENCHMARK(BM_SelectionMatches)->ArgName("pattern")->DenseRange(0, 2);
