// The platform's keyboard answers against those recorded from Wine for a US layout with no X
// display, in tests/data/keys/us-keyboard-no-display.txt. Wine names keys after the X server's
// keyboard when a display is present, so both test programs run with DISPLAY unset
// (tests/CMakeLists.txt): the win32 build is checked under the condition the file was recorded
// in, and the native stand-in must give the same answers.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Keyboard.h"
#include "tests/support/PluginFolder.h"

namespace {

const char GoldenFile[] = "tests/data/keys/us-keyboard-no-display.txt";
// Written into the test's working directory when the answers differ: copy it over the golden
// file to record the answers again.
const char ActualFile[] = "us-keyboard-no-display.actual.txt";

// "vk<TAB>scan<TAB>name", both codes as two hex digits; the name is asked for as the shortcut
// text asks for it (scan code in bits 16-23 only), and only when there is a scan code.
std::string AnswerLine(unsigned virtualKey) {
    const std::uint32_t scanCode = qs::ScanCodeOfVirtualKey(virtualKey);
    const std::uint32_t keyMessageParameter = (scanCode & 0xFFu) << 16;
    const std::string name = keyMessageParameter != 0 ? qs::KeyNameText(keyMessageParameter) : std::string();
    char codes[32];
    std::snprintf(codes, sizeof codes, "%02X\t%02X\t", virtualKey, static_cast<unsigned>(scanCode));
    return codes + name;
}

std::vector<std::string> RecordedLines() {
    std::istringstream in(qs_test::ReadFile(qs_test::SourceFile(GoldenFile)));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        lines.push_back(line);
    }
    return lines;
}

const char RecordingHeader[] =
    "# Virtual-key code, the scan code MapVirtualKeyA gives it (map type 0), and the name\n"
    "# GetKeyNameTextA gives that scan code in bits 16-23 with every other bit clear (asked only\n"
    "# when the scan code is not 0). Hexadecimal codes, tab-separated, one line per code 00-FF.\n"
    "# Recorded from Wine 8.0 (US keyboard layout) with no X display.\n";

}  // namespace

TEST(KeyNames, AnswerAsRecordedFromWineWithoutDisplay) {
    const std::vector<std::string> recorded = RecordedLines();
    std::string actual = RecordingHeader;
    std::vector<std::string> differences;
    for (unsigned virtualKey = 0; virtualKey < 256; ++virtualKey) {
        const std::string line = AnswerLine(virtualKey);
        actual += line + "\n";
        const std::string expected = virtualKey < recorded.size() ? recorded[virtualKey] : "(missing)";
        if (line != expected) differences.push_back("expected [" + expected + "] got [" + line + "]");
    }
    if (!differences.empty()) {
        std::ofstream(ActualFile, std::ios::binary) << actual;
        std::string report;
        for (const std::string& difference : differences) report += difference + "\n";
        ADD_FAILURE() << differences.size() << " of 256 codes differ from " << GoldenFile
                      << " (a DISPLAY in the environment changes Wine's names); the answers "
                         "are in "
                      << ActualFile << ":\n"
                      << report;
    }
    EXPECT_EQ(recorded.size(), 256u);
}
