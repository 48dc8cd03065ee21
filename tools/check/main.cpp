// quickseek-check: reads a Quickseek plug-in folder the way the plug-in does, with the
// plug-in's own code, and says what it understood: the options, the menu per language and
// where each value came from, the sections that give no entry, and every problem.
#include <cstdio>
#include <string>

#include "Version.h"
#include "tools/check/Console.h"
#include "tools/check/FolderCheck.h"
#include "tools/check/ReportWriters.h"
#include "tools/cli/ArgumentText.h"

namespace {

const char* const Usage =
    "usage: quickseek-check [options] [FOLDER]\n"
    "\n"
    "Reads Quickseek.ini and Quickseek_MY.ini in FOLDER (default: the current folder) the way\n"
    "the plug-in does and reports what it understood: the options in force after each file, the\n"
    "menu in each language with the key and file every value came from, the sections that give\n"
    "no entry and why, the toolbar buttons, and every problem with its file, line, section and key.\n"
    "\n"
    "options:\n"
    "  --lang CODE    check the menu in this interface language (two letters, such as en);\n"
    "                 repeat it or give a list (en,de) for several. Default: every language\n"
    "                 the files have keys for, and fr.\n"
    "  --try TEXT     show, for the selected text TEXT, whether each menu item is enabled,\n"
    "                 the exact address a pick opens and what goes to the clipboard.\n"
    "                 \\xE9 stands for the byte E9 of Windows-1252, \\\\ for a backslash.\n"
    "  --json         write the report as JSON instead of text\n"
    "  --help         show this text\n"
    "  --version      show the version\n"
    "\n"
    "exit status: 0 no problem, 1 warnings, 2 errors (or a folder or file that cannot be read)\n"
    "\n"
    "examples:\n"
    "  quickseek-check \"C:\\Program Files\\Tidewire\\Plugins\"\n"
    "  quickseek-check --lang en --try \"978-2-07-036822-8\" .\n"
    "  quickseek-check --json examples\n";

void Fail(const std::string& message) {
    std::fprintf(stderr, "quickseek-check: %s\n", qs::check::SystemTextToUtf8(message).c_str());
}

void AddLanguages(const std::string& list, std::vector<std::string>& languages) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        languages.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos) return;
        start = comma + 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    qs::check::CheckRequest request;
    bool json = false;
    bool haveFolder = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        } else if (arg == "--version") {
            std::printf("quickseek-check %s\n", QS_VERSION_TEXT);
            return 0;
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--lang" && hasValue) {
            AddLanguages(argv[++i], request.languages);
        } else if (arg == "--try" && hasValue) {
            std::string error;
            request.selection = qs::cli::SelectionFromArgument(argv[++i], &error);
            if (!request.selection) {
                Fail("--try: " + error);
                return 2;
            }
        } else if (arg.rfind("--", 0) == 0) {
            Fail("unknown option " + arg + " (or it lacks its value); see --help");
            return 2;
        } else if (!haveFolder) {
            request.folder = arg;
            haveFolder = true;
        } else {
            Fail("one folder only; see --help");
            return 2;
        }
    }
    if (!haveFolder) request.folder = ".";
    for (const std::string& language : request.languages) {
        if (language.empty() || language.size() > 2) {
            Fail("--lang " + language + ": a host reports a language as one or two letters, such as en");
            return 2;
        }
    }

    const qs::check::Utf8Console console;
    const qs::check::CheckReport report = qs::check::CheckFolder(request);
    if (!report.fatal.empty() && !json) {
        std::fputs(qs::check::WriteText(report).c_str(), stderr);
        return report.ExitCode();
    }
    const std::string output = json ? qs::check::WriteJson(report) : qs::check::WriteText(report);
    std::fwrite(output.data(), 1, output.size(), stdout);
    std::fflush(stdout);
    return report.ExitCode();
}
