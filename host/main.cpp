// Tidewire2: a test host for the Quickseek plug-in. It loads the plug-in from a folder, plays
// the host's part (selection, language, version) and runs commands against the plug-in,
// printing what the plug-in answered and what it asked of the host.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/DesktopRecorder.h"
#include "host/HostState.h"
#include "host/PluginLibrary.h"

namespace {

const char* const Usage =
    "usage: tidewire2 [options] [commands]\n"
    "options:\n"
    "  --plugin DIR        folder holding the plug-in library and its INI files (default: .)\n"
    "  --select TEXT       the host's selection (default: nothing selected)\n"
    "  --lang CODE         the interface language the host reports (default: en; \"\" for none)\n"
    "  --host-version V    the host's version a.b.c.d (default: 1.8.0.2)\n"
    "  --dry-run           print the address and the clipboard text instead of opening and copying\n"
    "commands, run in order (default: status):\n"
    "  init                call Init\n"
    "  menu                ask for every sub-menu item until the plug-in says there is no more\n"
    "  click N             pick sub-menu item N\n"
    "  shortcut            press the registered shortcut\n"
    "  register            call ApresCreationPlugin\n"
    "  button PLACE        ask whether a toolbar button is wanted at PLACE\n"
    "  name                ask for the display name\n"
    "  about               show the about box\n"
    "  status              the answers of every export that writes no state\n"
    "example:\n"
    "  tidewire2 --plugin examples --select \"caf\\xe9 au lait\" init menu click 0\n";

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

}  // namespace

int main(int argc, char** argv) {
    std::string folder = ".";
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
        } else if (arg == "--dry-run") {
            dryRun = true;
        } else if (arg == "--select" && hasValue) {
            host::Script().selection = argv[++i];
        } else if (arg == "--lang" && hasValue) {
            host::Script().languageBytes = std::string(argv[++i]).substr(0, 2) + std::string(1, '\0');
        } else if (arg == "--host-version" && hasValue) {
            if (!ParseVersion(argv[++i])) {
                std::fprintf(stderr, "tidewire2: bad version %s (want a.b.c.d)\n", argv[i]);
                return 2;
            }
        } else if (arg.rfind("--", 0) == 0) {
            std::fprintf(stderr, "tidewire2: unknown option %s\n%s", arg.c_str(), Usage);
            return 2;
        } else {
            commands.push_back(arg);
        }
    }
    if (commands.empty()) commands.push_back("status");

    std::string error;
    std::unique_ptr<host::PluginLibrary> library = host::PluginLibrary::Load(folder, &error);
    if (!library) {
        std::fprintf(stderr, "tidewire2: %s\n", error.c_str());
        return 1;
    }
    std::printf("loaded %s\n", library->Path().c_str());
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
        const bool hasArgument = i + 1 < commands.size();
        std::printf("%s%s%s\n", command.c_str(), hasArgument && (command == "click" || command == "button") ? " " : "",
                    hasArgument && (command == "click" || command == "button") ? commands[i + 1].c_str() : "");
        if (command == "init") {
            plugin.Init(0, 0);
            ReportHostCalls();
        } else if (command == "menu") {
            Menu(plugin);
        } else if (command == "click" && hasArgument) {
            const std::int32_t index = std::atoi(commands[++i].c_str());
            std::printf("  answer: %s\n", plugin.OnClicSousMenu(index) ? "true" : "false");
            ReportHostCalls();
        } else if (command == "shortcut") {
            std::printf("  answer: %s\n", plugin.OnGereRaccourci(0) ? "true" : "false");
            ReportHostCalls();
        } else if (command == "register") {
            std::printf("  answer: %d\n", plugin.ApresCreationPlugin());
            ReportHostCalls();
        } else if (command == "button" && hasArgument) {
            Button(plugin, std::atoi(commands[++i].c_str()));
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
        } else {
            std::fprintf(stderr, "tidewire2: unknown command %s\n%s", command.c_str(), Usage);
            return 2;
        }
    }
    g_desktop.reset();
    library.reset();
    std::printf("unloaded\n");
    return 0;
}
