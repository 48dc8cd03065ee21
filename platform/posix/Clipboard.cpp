// The clipboard through the desktop's command-line tools: wl-copy, xclip or xsel, whichever
// exists. They take UTF-8; the plug-in's text is Windows-1252.
#include "platform/Clipboard.h"

#include "platform/posix/ChildProcess.h"
#include "search/QueryEncoding.h"

namespace qs {

bool CopyToClipboard(const std::string& text) {
    struct Tool {
        const char* name;
        std::vector<std::string> arguments;
    };
    const Tool tools[] = {{"wl-copy", {}}, {"xclip", {"-selection", "clipboard"}}, {"xsel", {"--clipboard", "--input"}}};
    for (const Tool& tool : tools) {
        const std::string path = FindProgram(tool.name);
        if (!path.empty()) return RunWithInput(path, tool.arguments, Cp1252ToUtf8(text));
    }
    return false;
}

}  // namespace qs
