// Tidewire2: a test host for the Quickseek plug-in, and a way for users to try a configuration.
// It loads the plug-in from a folder, plays the host's part (selection, language, version),
// runs commands against the plug-in's exports and prints what the plug-in answered and what
// it asked of the host.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/DesktopRecorder.h"
#include "host/HostState.h"
#include "host/PluginLibrary.h"
#include "tools/cli/ArgumentText.h"

namespace {

namespace fs = std::filesystem;

const char* const Usage =
    "usage: tidewire2 [options] [commands]\n"
    "\n"
    "Plays Tidewire's part for the Quickseek plug-in: loads the plug-in, reports a selection, a\n"
    "language and a version as the host would, runs the commands in order and prints the\n"
    "plug-in's answers and every call it makes to the host. (On Windows the program is\n"
    "Tidewire2.exe.)\n"
    "\n"
    "options:\n"
    "  --plugin DIR        the folder of the plug-in library (Quickseek.dll, or Quickseek.so);\n"
    "                      the plug-in reads its INI files from the same folder. Default: this\n"
    "                      program's folder when the library lies there, else the current one.\n"
    "  --config DIR        take Quickseek.ini and Quickseek_MY.ini from DIR instead: the host\n"
    "                      puts a copy of the library beside copies of them in a folder of its\n"
    "                      own, and removes it at the end\n"
    "  --select TEXT       the text selected in the host (default: nothing selected). It is\n"
    "                      handed over in Windows-1252, as Tidewire does; \\xE9 stands for the\n"
    "                      byte E9, \\\\ for one backslash\n"
    "  --lang CODE         the interface language the host reports (default: en; \"\" for none,\n"
    "                      which the plug-in reads as fr)\n"
    "  --host-version V    the host's version a.b.c.d (default: 1.8.0.2; below 1.8.0.2 the\n"
    "                      about box warns)\n"
    "  --dry-run           print the address a search would open and the text it would copy,\n"
    "                      instead of opening the browser and filling the clipboard\n"
    "  --help              show this text\n"
    "\n"
    "commands, run in order (default: status):\n"
    "  init                call Init: read the configuration\n"
    "  menu                ask for every sub-menu item: caption, enabled or disabled\n"
    "  click N             pick sub-menu item N (from 0): run its search on the selection\n"
    "  shortcut            press the plug-in's shortcut: run the first item\n"
    "  register            call ApresCreationPlugin: register the configured shortcut\n"
    "  button PLACE        ask whether a toolbar button is wanted at PLACE (2 by default)\n"
    "  name                ask for the plug-in's display name\n"
    "  about               show the about box\n"
    "  status              menu, buttons 1 and 2, register and click 0, before or after init\n"
    "\n"
    "Without --dry-run, click and shortcut really open the browser and fill the clipboard.\n"
    "\n"
    "examples:\n"
    "  tidewire2 --plugin build/native/bin --config examples --select \"caf\\xE9 au lait\" \\\n"
    "            --dry-run init menu click 0\n"
    "  tidewire2 --config ~/my-config --lang fr --select 978-2-07-036822-8 --dry-run init menu click 6\n"
    "  tidewire2 --config ~/my-config init register button 2 name\n"
    "  Tidewire2.exe --plugin \"C:\\Program Files\\Tidewire\\Plugins\" --select Paris --dry-run init menu\n"
    "\n"
    "To see what the plug-in understood of a configuration and why, run quickseek-check.\n";

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::unique_ptr<host::DesktopRecorder> g_desktop;
std::size_t g_reportedShellCalls = 0;
std::size_t g_reportedClipboardTexts = 0;

// Prints, and forgets, the calls the plug-in made to the host since the last report, and
// what it handed to the desktop when that is recorded.
void ReportHostCalls() {
    if (g_desktop) {
        const std::vector<host::ShellCall> calls = g_desktop->ShellCalls();
        for (; g_reportedShellCalls < calls.size(); ++g_reportedShellCalls)
            std::printf("    opens: %s\n", Quote(calls[g_reportedShellCalls].file).c_str());
        const std::vector<std::string> texts = g_desktop->ClipboardTexts();
        for (; g_reportedClipboardTexts < texts.size(); ++g_reportedClipboardTexts)
            std::printf("    clipboard: %s\n", Quote(texts[g_reportedClipboardTexts]).c_str());
    }
    for (const host::HostCall& call : host::Script().calls) {
        std::printf("    host: %s(", call.function.c_str());
        for (std::size_t i = 0; i < call.arguments.size(); ++i)
            std::printf("%s%lld", i ? ", " : "", static_cast<long long>(call.arguments[i]));
        std::printf(")\n");
    }
    host::Script().ClearCalls();
}

bool ParseVersion(const char* text) {
    unsigned parts[4] = {};
    if (std::sscanf(text, "%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]) != 4) return false;
    host::SetHostVersion(parts[0], parts[1], parts[2], parts[3]);
    return true;
}

// A whole signed 32-bit number, or nothing.
std::optional<std::int32_t> ParseNumber(const std::string& text) {
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

void Menu(const host::PluginExports& plugin) {
    for (std::int32_t index = 0;; ++index) {
        QsBool enabled = 0xCC, visible = 0xCC;
        char caption[256] = {};
        const QsBool exists = plugin.DefinirUnSousMenu(index, &enabled, &visible, 0, caption);
        if (!exists) {
            std::printf("  menu item %d: none\n", index);
            ReportHostCalls();
            return;
        }
        std::printf("  menu item %d: %s %s %s\n", index, Quote(caption).c_str(),
                    enabled ? "enabled" : "disabled", visible ? "visible" : "hidden");
        ReportHostCalls();
    }
}

void Button(const host::PluginExports& plugin, std::int32_t place) {
    std::int32_t icon = 0x5A5A5A5A, position = 0x5A5A5A5A, count = 0x5A5A5A5A;
    char bitmap[64] = "(untouched)";
    const QsBool wanted = plugin.AjouterBoutonRaccourciMenu(place, &icon, bitmap, &position, &count);
    if (wanted)
        std::printf("  button at place %d: yes, icon %d, bitmap %s, position %d, entries %d\n", place, icon,
                    Quote(bitmap).c_str(), position, count);
    else
        std::printf("  button at place %d: no, icon %d\n", place, icon);
    ReportHostCalls();
}

void Name(const host::PluginExports& plugin) {
    char name[4096] = "(untouched)";
    std::int32_t length = -1;
    const QsBool copied = plugin.NomPlugin(name, &length);
    std::printf("  name: %s, %s, length %d\n", copied ? "copied" : "not copied", Quote(name).c_str(), length);
    ReportHostCalls();
}

// The default plug-in folder: this program's own when the library lies there.
std::string DefaultPluginFolder(const char* program) {
    std::error_code error;
    const fs::path folder = fs::path(program).parent_path();
    if (!folder.empty() && fs::exists(folder / host::PluginLibrary::FileName(), error)) return folder.string();
    return ".";
}

// A folder of the host's own with a copy of the library beside copies of the configuration
// files of another folder, so that the plug-in reads those; removed with this object.
class StagedFolder {
public:
    ~StagedFolder() {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }
    bool Stage(const std::string& pluginFolder, const std::string& configFolder, std::string* error) {
        std::error_code failure;
        if (!fs::is_directory(configFolder, failure)) {
            *error = "no folder " + configFolder;
            return false;
        }
        const fs::path library = fs::path(pluginFolder) / host::PluginLibrary::FileName();
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = (fs::temp_directory_path(failure) / ("tidewire2-" + std::to_string(now))).string();
        fs::create_directories(path_, failure);
        fs::copy_file(library, fs::path(path_) / library.filename(), failure);
        if (failure) {
            *error = "cannot copy " + library.string() + " to " + path_ + ": " + failure.message();
            return false;
        }
        for (const char* name : {"Quickseek.ini", "Quickseek_MY.ini", "Quickseek.bmp"}) {
            const fs::path file = fs::path(configFolder) / name;
            if (fs::is_regular_file(file, failure)) fs::copy_file(file, fs::path(path_) / name, failure);
        }
        return true;
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

int Fail(const std::string& message, bool showUsage = false) {
    std::fprintf(stderr, "tidewire2: %s\n%s", message.c_str(), showUsage ? "see tidewire2 --help\n" : "");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = DefaultPluginFolder(argv[0]);
    std::string configFolder;
    bool dryRun = false;
    std::vector<std::string> commands;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        } else if (arg == "--plugin" && hasValue) {
            folder = argv[++i];
        } else if (arg == "--config" && hasValue) {
            configFolder = argv[++i];
        } else if (arg == "--dry-run") {
            dryRun = true;
        } else if (arg == "--select" && hasValue) {
            std::string error;
            host::Script().selection = qs::cli::SelectionFromArgument(argv[++i], &error);
            if (!host::Script().selection) return Fail("--select: " + error);
        } else if (arg == "--lang" && hasValue) {
            host::Script().languageBytes = std::string(argv[++i]).substr(0, 2) + std::string(1, '\0');
        } else if (arg == "--host-version" && hasValue) {
            if (!ParseVersion(argv[++i])) return Fail(std::string("bad version ") + argv[i] + " (want a.b.c.d)");
        } else if (arg.rfind("--", 0) == 0) {
            return Fail("unknown option " + arg + " (or it lacks its value)", true);
        } else {
            commands.push_back(arg);
        }
    }
    if (commands.empty()) commands.push_back("status");
    // Commands are checked before anything is loaded: a typing error runs nothing.
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const std::string& command = commands[i];
        if (command == "click" || command == "button") {
            if (i + 1 >= commands.size() || !ParseNumber(commands[i + 1]))
                return Fail(command + " wants a number after it", true);
            ++i;
        } else if (command != "init" && command != "menu" && command != "shortcut" && command != "register" &&
                   command != "name" && command != "about" && command != "status") {
            return Fail("unknown command " + command, true);
        }
    }

    StagedFolder staged;
    if (!configFolder.empty()) {
        std::string error;
        if (!staged.Stage(folder, configFolder, &error)) return Fail(error);
        folder = staged.Path();
    }
    std::string error;
    std::unique_ptr<host::PluginLibrary> library = host::PluginLibrary::Load(folder, &error);
    if (!library) {
        std::fprintf(stderr, "tidewire2: %s\n", error.c_str());
        return 1;
    }
    std::printf("loaded %s\n", library->Path().c_str());
    if (!configFolder.empty()) std::printf("  configuration from %s\n", configFolder.c_str());
    if (dryRun) g_desktop = std::make_unique<host::DesktopRecorder>(*library);
    const host::PluginExports& plugin = library->Exports();
    for (int i = 0; i < 8; ++i)
        std::printf("  export %d %s: %s\n", i + 1, host::ExportNames[i],
                    library->ExportByName(host::ExportNames[i]) ? "found" : "MISSING");
    for (const void* const* slot = reinterpret_cast<const void* const*>(&plugin);
         slot < reinterpret_cast<const void* const*>(&plugin + 1); ++slot)
        if (*slot == nullptr) return 1;

    for (std::size_t i = 0; i < commands.size(); ++i) {
        const std::string& command = commands[i];
        const bool numbered = command == "click" || command == "button";
        const std::int32_t number = numbered ? *ParseNumber(commands[i + 1]) : 0;
        std::printf("%s%s%s\n", command.c_str(), numbered ? " " : "", numbered ? commands[++i].c_str() : "");
        if (command == "init") {
            plugin.Init(0, 0);
            ReportHostCalls();
        } else if (command == "menu") {
            Menu(plugin);
        } else if (command == "click") {
            std::printf("  answer: %s\n", plugin.OnClicSousMenu(number) ? "true" : "false");
            ReportHostCalls();
        } else if (command == "shortcut") {
            std::printf("  answer: %s\n", plugin.OnGereRaccourci(0) ? "true" : "false");
            ReportHostCalls();
        } else if (command == "register") {
            std::printf("  answer: %d\n", plugin.ApresCreationPlugin());
            ReportHostCalls();
        } else if (command == "button") {
            Button(plugin, number);
        } else if (command == "name") {
            Name(plugin);
        } else if (command == "about") {
            plugin.ShowInformation();
            std::printf("  about box closed\n");
            ReportHostCalls();
        } else if (command == "status") {
            Menu(plugin);
            Button(plugin, 1);
            Button(plugin, 2);
            std::printf("  register: %d\n", plugin.ApresCreationPlugin());
            ReportHostCalls();
            std::printf("  click 0: %s\n", plugin.OnClicSousMenu(0) ? "true" : "false");
            ReportHostCalls();
        }
    }
    g_desktop.reset();
    library.reset();
    std::printf("unloaded\n");
    return 0;
}
