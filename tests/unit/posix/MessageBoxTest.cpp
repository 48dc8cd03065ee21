// The message box outside Windows: which dialog tool shows it and with what, and standard
// error when there is no display or no tool. The tools here are recorder scripts in a
// private folder that stands in for PATH.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "tests/support/PluginFolder.h"
#include "tests/support/posix/ProcessEnvironment.h"

namespace {

const std::string Caption = "A propos de...";
// Windows-1252 text with a CR LF line break and an é.
const std::string Text = std::string("Premi\xE8re ligne\r\n\r\nCe plugin n\xE9") + "cessite --help <b>x</b>";
const std::string TextUtf8WithLineFeeds = "Premi\xC3\xA8re ligne\n\nCe plugin n\xC3\xA9" "cessite --help <b>x</b>";
const std::string TextWithLineFeeds = std::string("Premi\xE8re ligne\n\nCe plugin n\xE9") + "cessite --help <b>x</b>";

// Records its arguments (each ended by a zero) and its standard input, stays open a moment
// like a box the user reads, and leaves a mark when it is closed.
const char* const RecorderScript =
    "#!/bin/sh\n"
    "PATH=/usr/bin:/bin\n"
    "out=\"$0\"\n"
    "printf '%s\\000' \"$@\" > \"$out.args\"\n"
    "cat > \"$out.stdin\"\n"
    "sleep 0.3\n"
    "echo closed > \"$out.closed\"\n";

std::vector<std::string> SplitAtZeros(const std::string& bytes) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t zero; (zero = bytes.find('\0', start)) != std::string::npos; start = zero + 1)
        parts.push_back(bytes.substr(start, zero - start));
    return parts;
}

// A private folder of recorder tools.
class RecorderTools {
public:
    void Install(const std::string& name) {
        tools_.Write(name, RecorderScript);
        chmod(tools_.File(name).c_str(), 0755);
    }
    bool Ran(const std::string& name) const { return !qs_test::ReadFile(tools_.File(name + ".args")).empty(); }
    std::vector<std::string> Arguments(const std::string& name) const {
        return SplitAtZeros(qs_test::ReadFile(tools_.File(name + ".args")));
    }
    std::string Input(const std::string& name) const { return qs_test::ReadFile(tools_.File(name + ".stdin")); }
    bool Closed(const std::string& name) const { return !qs_test::ReadFile(tools_.File(name + ".closed")).empty(); }
    const std::string& Folder() const { return tools_.Path(); }

private:
    qs_test::PluginFolder tools_{false};
};

}  // namespace

TEST(MessageBoxStandIn, TakesTheFirstToolFoundAndWaitsUntilItIsClosed) {
    struct Case {
        std::vector<std::string> installed;
        std::string used;
        std::vector<std::string> arguments;
        std::string input;
    };
    const Case cases[] = {
        {{"zenity", "kdialog", "xmessage"},
         "zenity",
         {"--info", "--no-markup", "--title=" + Caption, "--text=" + TextUtf8WithLineFeeds},
         ""},
        {{"kdialog", "xmessage"}, "kdialog", {"--title", Caption, "--msgbox", TextUtf8WithLineFeeds}, ""},
        // xmessage reads the text as Latin-1 from its input, never from its arguments.
        {{"xmessage"},
         "xmessage",
         {"-title", Caption, "-buttons", "OK:0", "-default", "OK", "-center", "-file", "-"},
         TextWithLineFeeds},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.used);
        RecorderTools tools;
        for (const std::string& tool : c.installed) tools.Install(tool);
        qs_test::ScopedEnvironmentVariable path("PATH", tools.Folder());
        qs_test::ScopedEnvironmentVariable display("DISPLAY", std::string(":97"));
        qs_test::StandardErrorCapture standardError;

        qs::ShowMessageBox(Text, Caption);

        EXPECT_EQ(standardError.Finish(), "");
        EXPECT_TRUE(tools.Closed(c.used)) << "returned before the box was closed";
        EXPECT_EQ(tools.Arguments(c.used), c.arguments);
        EXPECT_EQ(tools.Input(c.used), c.input);
        for (const std::string& tool : c.installed) {
            if (tool == c.used) continue;
            EXPECT_FALSE(tools.Ran(tool)) << tool;
        }
    }
}

TEST(MessageBoxStandIn, WritesCaptionAndTextUnchangedToStandardErrorWithoutADisplayOrATool) {
    RecorderTools tools;
    tools.Install("zenity");
    struct Case {
        const char* what;
        std::optional<std::string> display;
        std::string path;
    };
    const Case cases[] = {
        {"no display", std::nullopt, tools.Folder()},
        {"empty display", std::string(), tools.Folder()},
        {"no tool", std::string(":97"), tools.Folder() + "/none"},
    };
    for (const Case& c : cases) {
        qs_test::ScopedEnvironmentVariable path("PATH", c.path);
        qs_test::ScopedEnvironmentVariable display("DISPLAY", c.display);
        qs_test::StandardErrorCapture standardError;
        qs::ShowMessageBox(Text, Caption);
        EXPECT_EQ(standardError.Finish(), Caption + "\n" + Text + "\n") << c.what;
    }
    EXPECT_FALSE(tools.Ran("zenity"));
}
