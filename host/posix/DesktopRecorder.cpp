// Outside Windows: recorder scripts stand in for the browser and the clipboard tools. Each
// call leaves one file, named by the time of the call, in a private folder.
#include "host/DesktopRecorder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "search/QueryEncoding.h"

namespace host {

namespace {

void WriteScript(const std::string& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body;
    chmod(path.c_str(), 0755);
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The recorded files whose names start with prefix, oldest first.
std::vector<std::string> Records(const std::string& folder, const std::string& prefix) {
    std::vector<std::string> names;
    if (DIR* directory = opendir(folder.c_str())) {
        while (dirent* entry = readdir(directory)) {
            const std::string name = entry->d_name;
            if (name.rfind(prefix, 0) == 0 && name.find(".tmp") == std::string::npos) names.push_back(name);
        }
        closedir(directory);
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> contents;
    for (const std::string& name : names) contents.push_back(Slurp(folder + "/" + name));
    return contents;
}

// Waits for at least `expected` records, then until no new one has come for a moment: the
// helpers run detached, so a call that is still on its way must not be missed.
std::vector<std::string> WaitForRecords(const std::string& folder, const std::string& prefix, std::size_t expected) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    std::vector<std::string> records = Records(folder, prefix);
    auto lastChange = Clock::now();
    while (Clock::now() < deadline) {
        if (records.size() >= expected && Clock::now() - lastChange > std::chrono::milliseconds(150)) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::vector<std::string> now = Records(folder, prefix);
        if (now.size() != records.size()) lastChange = Clock::now();
        records = std::move(now);
    }
    return records;
}

}  // namespace

struct DesktopRecorder::Impl {
    std::string folder;
    std::string previousPath;
    std::string previousBrowser;
    bool hadBrowser = false;
};

DesktopRecorder::DesktopRecorder(PluginLibrary&) : impl_(new Impl) {
    char pattern[] = "/tmp/quickseek-desktop-XXXXXX";
    if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
    impl_->folder = pattern;
    const std::string& folder = impl_->folder;
    // Written under a temporary name and renamed, so a reader never sees half a record.
    WriteScript(folder + "/browser",
                "f=\"" + folder + "/opened.$(date +%s%N).$$\"\n"
                "printf '%s\\0' \"$@\" > \"$f.tmp\" && mv \"$f.tmp\" \"$f\"\n");
    const std::string clipboard = "[ -e \"" + folder + "/refuse\" ] && exit 1\n"
                                  "f=\"" + folder + "/copied.$(date +%s%N).$$\"\n"
                                  "cat > \"$f.tmp\" && mv \"$f.tmp\" \"$f\"\n";
    for (const char* tool : {"wl-copy", "xclip", "xsel"}) WriteScript(folder + "/" + tool, clipboard);

    const char* path = std::getenv("PATH");
    impl_->previousPath = path ? path : "";
    const char* browser = std::getenv("BROWSER");
    impl_->hadBrowser = browser != nullptr;
    impl_->previousBrowser = browser ? browser : "";
    setenv("PATH", (folder + ":" + impl_->previousPath).c_str(), 1);
    setenv("BROWSER", (folder + "/browser").c_str(), 1);
}

DesktopRecorder::~DesktopRecorder() {
    setenv("PATH", impl_->previousPath.c_str(), 1);
    if (impl_->hadBrowser)
        setenv("BROWSER", impl_->previousBrowser.c_str(), 1);
    else
        unsetenv("BROWSER");
    // Records still being written by a detached helper are left to the system's /tmp cleaning.
    for (const char* name : {"browser", "wl-copy", "xclip", "xsel", "refuse"})
        unlink((impl_->folder + "/" + name).c_str());
    if (DIR* directory = opendir(impl_->folder.c_str())) {
        while (dirent* entry = readdir(directory)) unlink((impl_->folder + "/" + entry->d_name).c_str());
        closedir(directory);
    }
    rmdir(impl_->folder.c_str());
}

std::vector<ShellCall> DesktopRecorder::ShellCalls(std::size_t expected) {
    std::vector<ShellCall> calls;
    for (const std::string& record : WaitForRecords(impl_->folder, "opened.", expected)) {
        // Arguments as the program received them, each followed by a zero byte.
        std::vector<std::string> arguments;
        std::size_t start = 0;
        for (std::size_t end; (end = record.find('\0', start)) != std::string::npos; start = end + 1)
            arguments.push_back(record.substr(start, end - start));
        ShellCall call;
        call.file = arguments.empty() ? std::string() : arguments.front();
        for (std::size_t i = 1; i < arguments.size(); ++i) call.parameters += (i > 1 ? " " : "") + arguments[i];
        call.show = -1;
        calls.push_back(call);
    }
    return calls;
}

std::vector<std::string> DesktopRecorder::ClipboardTexts(std::size_t expected) {
    return WaitForRecords(impl_->folder, "copied.", expected);
}

void DesktopRecorder::RefuseClipboard(bool refuse) {
    const std::string marker = impl_->folder + "/refuse";
    if (refuse)
        std::ofstream{marker};
    else
        unlink(marker.c_str());
}

std::string DesktopRecorder::AsDesktopText(const std::string& ansi) { return qs::Cp1252ToUtf8(ansi); }

}  // namespace host
