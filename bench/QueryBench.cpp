// Throughput of the query encoders beside memcpy of the same number of bytes: the encoders
// walk every byte once, so memcpy is the floor they are measured against.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/BenchText.h"
#include "search/QueryEncoding.h"

namespace {

void BM_Memcpy(benchmark::State& state) {
    const std::string text = qs_bench::Prose(static_cast<std::size_t>(state.range(0)));
    std::string copy(text.size(), '\0');
    for (auto _ : state) {
        std::memcpy(&copy[0], text.data(), text.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_TrimSpaces(benchmark::State& state) {
    const std::string text = "  " + qs_bench::Prose(static_cast<std::size_t>(state.range(0)) - 4) + "  ";
    for (auto _ : state) benchmark::DoNotOptimize(qs::TrimSpaces(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_UrlEncode(benchmark::State& state) {
    const std::string text = qs_bench::Prose(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(qs::UrlEncode(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_Cp1252ToUtf8(benchmark::State& state) {
    const std::string text = qs_bench::Prose(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(qs::Cp1252ToUtf8(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_Utf8ThenUrlEncode(benchmark::State& state) {
    const std::string text = qs_bench::Prose(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(qs::UrlEncode(qs::Cp1252ToUtf8(text)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

}  // namespace

BENCHMARK(BM_Memcpy)->Arg(1 << 10)->Arg(1 << 20);
BENCHMARK(BM_TrimSpaces)->Arg(1 << 10)->Arg(1 << 20);
BENCHMARK(BM_UrlEncode)->Arg(1 << 10)->Arg(1 << 20);
BENCHMARK(BM_Cp1252ToUtf8)->Arg(1 << 10)->Arg(1 << 20);
BENCHMARK(BM_Utf8ThenUrlEncode)->Arg(1 << 10)->Arg(1 << 20);
