// The message box outside Windows: a desktop dialog tool when there is a display to show it
// on, else standard error. The tool is started without a shell and waited for, as the box
// returns only once it is closed.
#include "platform/MessageBox.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/posix/ChildProcess.h"
#include "search/QueryEncoding.h"

namespace qs {

namespace {

// Dialog tools break lines at LF; a CR left in would show as a stray glyph.
std::string WithLineFeeds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

// True when a tool was started (and has been closed again).
bool ShowWithDialogTool(const std::string& text, const std::string& caption) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') return false;
    const std::string lines = WithLineFeeds(text);

    // zenity and kdialog take UTF-8; no markup, so the text shows as it is.
    std::string path = FindProgram("zenity");
    if (!path.empty()) {
        RunWithInput(path,
                     {"--info", "--no-markup", "--title=" + Cp1252ToUtf8(caption), "--text=" + Cp1252ToUtf8(lines)},
                     std::string());
        return true;
    }
    path = FindProgram("kdialog");
    if (!path.empty()) {
        RunWithInput(path, {"--title", Cp1252ToUtf8(caption), "--msgbox", Cp1252ToUtf8(lines)}, std::string());
        return true;
    }
    // xmessage draws 8-bit text with a Latin-1 font and would read options out of the
    // text's words, so the text goes through its standard input.
    path = FindProgram("xmessage");
    if (!path.empty()) {
        RunWithInput(path, {"-title", caption, "-buttons", "OK:0", "-default", "OK", "-center", "-file", "-"}, lines);
        return true;
    }
    return false;
}

}  // namespace

void ShowMessageBox(const std::string& text, const std::string& caption) {
    if (ShowWithDialogTool(text, caption)) return;
    std::fwrite(caption.data(), 1, caption.size(), stderr);
    std::fputc('\n', stderr);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace qs
