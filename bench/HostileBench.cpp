// Worst cases of the selection filter: each pattern of the hostile corpus on 64 KiB of the
// text that makes it explode, beside the plain literal of the selection benchmark searched in
// the same text. The filter's work budget is what keeps the first within reach of the second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/HostileCorpus.h"
#include "search/SelectionFilter.h"

namespace {

constexpr std::size_t kTextBytes = 64 << 10;

const std::vector<qs_bench::HostileCase>& Corpus() {
    static const std::vector<qs_bench::HostileCase> corpus =
        qs_bench::ReadHostileCorpus(std::string(QS_SOURCE_DIR) + "/tests/data/patterns/hostile.txt");
    return corpus;
}

void Run(benchmark::State& state, const std::string& pattern, const std::string& text) {
    bool matched = false;
    for (auto _ : state) {
        matched = qs::SelectionMatches(pattern, text);
        benchmark::DoNotOptimize(matched);
    }
    state.SetLabel(pattern + (matched ? " -> match" : " -> no match"));
}

void BM_Hostile(benchmark::State& state) {
    const qs_bench::HostileCase& hostile = Corpus()[static_cast<std::size_t>(state.range(0))];
    Run(state, hostile.pattern, hostile.Text(kTextBytes));
}

void BM_HostileLiteral(benchmark::State& state) {
    const qs_bench::HostileCase& hostile = Corpus()[static_cast<std::size_t>(state.range(0))];
    Run(state, "needle", hostile.Text(kTextBytes));
}

void EveryCase(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("case");
    for (std::size_t i = 0; i < Corpus().size(); ++i) benchmark->Arg(static_cast<long>(i));
}

}  // namespace

BENCHMARK(BM_Hostile)->Apply(EveryCase)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HostileLiteral)->Apply(EveryCase)->Unit(benchmark::kMicrosecond);
