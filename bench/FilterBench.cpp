// The selection filter on selections of 1 KiB, 64 KiB and 1 MiB with typical patterns, run
// through the interpreter, the JIT, and the choice SelectionMatches makes. Each iteration is
// a whole test as the plug-in runs it: translate, compile, match, release.
#include <benchmark/benchmark.h>

#include "bench/BenchText.h"
#include "search/PatternMatcher.h"
#include "search/PatternTranslator.h"

namespace {

struct Case {
    const char* pattern;
    const char* tail;  // appended to the prose: where a match is found, if anywhere
};

// A literal that is absent, so the whole text is searched; an ISBN anchored at both ends; a
// date anywhere, found at the very end; a case-insensitive word list that is absent.
const Case kCases[] = {
    {"needle", ""},
    {"^(97[89])?\\d{9}[\\dX]$", ""},
    {"\\b\\d{4}-\\d\\d-\\d\\d\\b", " 2024-05-17"},
    {"(?i)\\b(alpha|beta|gamma|delta|epsilon)\\b", ""},
};

void BM_Filter(benchmark::State& state) {
    const Case& testCase = kCases[state.range(0)];
    const auto engine = static_cast<qs::MatchEngine>(state.range(1));
    const std::string tail = testCase.tail;
    const std::string text = qs_bench::Prose(static_cast<std::size_t>(state.range(2)) - tail.size()) + tail;
    bool matched = false;
    for (auto _ : state) {
        const auto translated = qs::TranslatePattern(testCase.pattern);
        matched = translated && qs::MatchTranslatedPattern(*translated, text, engine);
        benchmark::DoNotOptimize(matched);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(2));
    state.SetLabel(std::string(testCase.pattern) + (matched ? " -> match" : " -> no match"));
}

void FilterArguments(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"pattern", "engine", "bytes"});
    for (long pattern = 0; pattern < static_cast<long>(sizeof kCases / sizeof kCases[0]); ++pattern) {
        for (const auto engine : {qs::MatchEngine::Interpreter, qs::MatchEngine::Jit, qs::MatchEngine::Automatic}) {
            for (const long bytes : {16L, 1L << 10, 4L << 10, 16L << 10, 64L << 10, 1L << 20}) {
                benchmark->Args({pattern, static_cast<long>(engine), bytes});
            }
        }
    }
}

}  // namespace

BENCHMARK(BM_Filter)->Apply(FilterArguments);
