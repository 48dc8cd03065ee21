// Records what the loaded plug-in hands to the desktop (addresses to open, text for the
// clipboard) instead of letting it reach the real browser and clipboard.
// Windows: the library's import-table entries of ShellExecuteA and the clipboard functions are
// pointed at recorders. Elsewhere: $BROWSER and the clipboard tools found first in PATH are
// recorder scripts in a private folder.
#pragma once
#include <memory>
#include <string>
#include <vector>

namespace host {

class PluginLibrary;

struct ShellCall {
    bool ownerIsNull = true;
    bool verbIsNull = true;
    std::string file;
    std::string parameters;
    std::string directory;
    int show = 0;
};

class DesktopRecorder {
public:
    explicit DesktopRecorder(PluginLibrary& library);
    ~DesktopRecorder();
    DesktopRecorder(const DesktopRecorder&) = delete;
    DesktopRecorder& operator=(const DesktopRecorder&) = delete;

    // What the shell was asked to open, oldest first. Outside Windows, where helper programs
    // run detached, waits for at least `expected` calls and for the calls to settle.
    std::vector<ShellCall> ShellCalls(std::size_t expected = 0);
    // The texts put on the clipboard, as the clipboard received them.
    std::vector<std::string> ClipboardTexts(std::size_t expected = 0);
    // Makes the clipboard refuse (or accept again) what it is given.
    void RefuseClipboard(bool refuse);

    // The form in which the desktop receives 8-bit Windows-1252 text from the plug-in:
    // unchanged on Windows, UTF-8 elsewhere.
    static std::string AsDesktopText(const std::string& ansi);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace host
