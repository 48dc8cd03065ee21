// Arbitrary bytes as "Quickseek.ini": the profile reader parses them, the reading operations
// answer within their limits, and the load makes entries that respect their fields.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "config/IniFile.h"
#include "config/Load.h"
#include "platform/posix/ProfileContent.h"
#include "plugin/PluginBase.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::string g_folder;

// Dated a minute back: the reader keeps a parsed file only once it is older than the file
// system's clock tick, and a file a host reads is rarely that young.
void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Check(file != nullptr);
    Check(std::fwrite(data, 1, size, file) == size);
    std::fclose(file);
    struct timespec times[2] {};
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= 60;
    times[1] = times[0];
    Check(utimensat(AT_FDCWD, path.c_str(), times, 0) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char folder[] = "/tmp/quickseek-fuzz-XXXXXX";
    Check(mkdtemp(folder) != nullptr);
    g_folder = folder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::ProfileContent::Parse(std::string(reinterpret_cast<const char*>(data), size));

    const std::string path = g_folder + "/Quickseek.ini";
    WriteFile(path, data, size);

    const qs::IniFile file(path);
    const std::vector<std::string> sections = file.SectionNames();
    std::size_t listed = 0;
    for (const std::string& section : sections) {
        Check(!section.empty());
        listed += section.size() + 1;
    }
    Check(listed < qs::IniSectionListSize);
    if (!sections.empty()) {
        const std::string value = file.ReadText(sections.front(), "fr_TITLE", "default");
        Check(value.size() < qs::IniValueBufferSize);
        file.ReadInt(sections.back(), "ENCODE", 7);
    }

    qs::PluginState state;
    qs::LoadConfiguration(state, g_folder, "en");
    Check(state.SearchEntries.has_value());
    Check(state.EntryCount == static_cast<std::int32_t>(state.SearchEntries->size()));
    for (const qs::TSearchEntry& entry : *state.SearchEntries) {
        Check(entry.Title.length > 0 && entry.Title.length <= 100);
        Check(entry.Url.length > 0);
    }
    Check(state.IniPath == g_folder + "/Quickseek_MY.ini");
    return 0;
}
