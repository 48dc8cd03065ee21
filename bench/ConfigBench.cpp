// The load run by Init on a configuration of 500 search entries, as a host in English starts
// it: the plug-in's folder, the language code, then both files. "Cold" makes the profile
// reader parse the file again in every iteration, as at the one Init of a real start;
// "Warm" finds it parsed already.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "config/Load.h"
#include "config/PluginLocation.h"
#include "plugin/DUnitExternal.h"
#include "plugin/PluginBase.h"

// This program plays the host: the language the load asks for.
QS_HOST_FUNCTION void QS_STDCALL CodeLangue(char* buffer) { std::memcpy(buffer, "EN", 3); }

namespace {

namespace fs = std::filesystem;

// 500 entries as people write them: French keys everywhere, English ones for some, options
// for a few, and a comment now and then.
std::string FiveHundredEntries() {
    std::string text = "; Search engines\r\n[OPTION]\r\nENCODE=1\r\nCTRLMENU=1\r\nSHORTCUT=Ctrl+F10\r\n\r\n";
    char section[512];
    for (int i = 0; i < 500; ++i) {
        std::snprintf(section, sizeof section,
                      "[SEARCH_Engine%03d]\r\nfr_TITLE=Moteur de recherche %d\r\nfr_URL=https://search%d.example.org/"
                      "find?lang=fr&q=%%1\r\n%s%sfr_REGEXP=^[^\\r\\n]{1,200}$\r\n\r\n",
                      i, i, i, i % 3 == 0 ? "en_TITLE=Search engine\r\nen_URL=https://example.org/en?q=%1\r\n" : "",
                      i % 10 == 0 ? "fr_ENCODE=2\r\nfr_TRIM=0\r\nfr_CLIPBOARD=0\r\n" : "");
        text += section;
    }
    return text;
}

class ConfigFolder {
public:
    ConfigFolder() : path_(fs::temp_directory_path() / ("quickseek-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
        std::ofstream(path_ / "Quickseek.ini", std::ios::binary) << FiveHundredEntries();
    }
    ~ConfigFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string Path() const { return path_.string(); }
    // Another time in the past for the file, so that the reader cannot take what it parsed before.
    void Touch() {
        const fs::path file = path_ / "Quickseek.ini";
        fs::last_write_time(file, fs::last_write_time(file) - std::chrono::seconds(1));
    }

private:
    fs::path path_;
};

void Load(ConfigFolder& folder) {
    qs::PluginState state;
    (void)qs::PluginDirectory();
    qs::LoadConfiguration(state, folder.Path(), qs::LanguageCode());
    if (state.EntryCount != 500) std::abort();
    benchmark::DoNotOptimize(state.SearchEntries->data());
}

void BM_InitFiveHundredEntriesCold(benchmark::State& state) {
    ConfigFolder folder;
    for (auto _ : state) {
        state.PauseTiming();
        folder.Touch();
        state.ResumeTiming();
        Load(folder);
    }
}
BENCHMARK(BM_InitFiveHundredEntriesCold)->Unit(benchmark::kMillisecond);

void BM_InitFiveHundredEntriesWarm(benchmark::State& state) {
    ConfigFolder folder;
    Load(folder);
    for (auto _ : state) Load(folder);
}
BENCHMARK(BM_InitFiveHundredEntriesWarm)->Unit(benchmark::kMillisecond);

// The floor under any load of that configuration: its file read into memory once.
void BM_ReadFiveHundredEntriesFileOnce(benchmark::State& state) {
    ConfigFolder folder;
    const std::string path = folder.Path() + "/Quickseek.ini";
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) std::abort();
        std::string content;
        char block[16384];
        for (std::size_t count; (count = std::fread(block, 1, sizeof block, file)) > 0;) content.append(block, count);
        std::fclose(file);
        benchmark::DoNotOptimize(content.data());
    }
}
BENCHMARK(BM_ReadFiveHundredEntriesFileOnce)->Unit(benchmark::kMillisecond);

}  // namespace
