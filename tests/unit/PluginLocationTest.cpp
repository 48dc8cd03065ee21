// The plug-in's folder from a module path, the configuration paths, and the language code.
#include <gtest/gtest.h>

#include <string>

#include "config/PluginLocation.h"
#include "host/HostState.h"
#include "platform/ModulePath.h"

namespace {

using qs::PathRules;

// Shift-JIS: "\x83\x5C" is one character whose second byte has the value of "\".
bool ShiftJisLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
constexpr PathRules kShiftJis{'\\', true, &ShiftJisLeadByte};
constexpr PathRules kPosix{'/', false, nullptr};

struct DirectoryCase {
    const char* modulePath;
    PathRules rules;
    const char* directory;
};

TEST(PluginDirectory, CutsTheModulePathAfterItsLastSeparator) {
    const DirectoryCase cases[] = {
        {"C:\\Program Files\\Host\\Plugins\\Quickseek.dll", qs::WindowsPathRules, "C:\\Program Files\\Host\\Plugins"},
        {"D:\\Quickseek.dll", qs::WindowsPathRules, "D:"},
        {"\\\\server\\share\\Quickseek.dll", qs::WindowsPathRules, "\\\\server\\share"},
        {"C:\\Plugins\\\\\\Quickseek.dll", qs::WindowsPathRules, "C:\\Plugins"},
        {"C:Quickseek.dll", qs::WindowsPathRules, "C:"},
        {"C:\\a:b\\Quickseek.dll", qs::WindowsPathRules, "C:\\a:b"},
        {"Quickseek.dll", qs::WindowsPathRules, ""},
        {"", qs::WindowsPathRules, ""},
        {"\\Quickseek.dll", qs::WindowsPathRules, ""},
        {"\\\\\\Quickseek.dll", qs::WindowsPathRules, ""},
        {"C:\\Plugins\\", qs::WindowsPathRules, "C:\\Plugins"},
        {"C:\\Plugins/Quickseek.dll", qs::WindowsPathRules, "C:"},  // "/" is not the separator asked for
        // the second byte of a double-byte character is neither separator nor colon
        {"C:\\\x83\x5C\\Quickseek.dll", kShiftJis, "C:\\\x83\x5C"},
        {"C:\\\x83\x5CQuickseek.dll", kShiftJis, "C:"},
        {"C:\\\x83:Quickseek.dll", kShiftJis, "C:"},
        {"C:\\x\\\x83", kShiftJis, "C:\\x"},  // a lead byte at the very end stands alone
        // the same bytes where the code page has no double-byte characters
        {"C:\\\x83\x5C\\Quickseek.dll", qs::WindowsPathRules, "C:\\\x83"},
        {"/usr/lib/tidewire/plugins/Quickseek.so", kPosix, "/usr/lib/tidewire/plugins"},
        {"/Quickseek.so", kPosix, ""},
        {"/opt//plugins//Quickseek.so", kPosix, "/opt//plugins"},
        {"C:\\Plugins\\Quickseek.so", kPosix, ""},
        {"/a:b/Quickseek.so", kPosix, "/a:b"},
        {"Quickseek.so", kPosix, ""},
    };
    for (const DirectoryCase& c : cases) {
        EXPECT_EQ(qs::DirectoryOfModule(c.modulePath, c.rules), c.directory) << c.modulePath;
    }
}

TEST(PluginDirectory, StripTrailingBackslashesLooksAtBytesOnly) {
    EXPECT_EQ(qs::StripTrailingBackslashes("C:\\a\\\\\\"), "C:\\a");
    EXPECT_EQ(qs::StripTrailingBackslashes("\\\\\\"), "");
    EXPECT_EQ(qs::StripTrailingBackslashes(""), "");
    EXPECT_EQ(qs::StripTrailingBackslashes("C:\\a/"), "C:\\a/");
    EXPECT_EQ(qs::StripTrailingBackslashes("C:\\\x83\x5C"), "C:\\\x83");
    EXPECT_EQ(qs::StripTrailingSeparators("C:\\\x83\x5C\\\\", kShiftJis), "C:\\\x83\x5C");
    EXPECT_EQ(qs::StripTrailingSeparators("/a//", kPosix), "/a");
}

TEST(PluginDirectory, ConfigurationPathsHaveExactlyOneSeparator) {
    const std::string directory = qs::DirectoryOfModule("C:\\Plugins\\\\\\Quickseek.dll", qs::WindowsPathRules);
    EXPECT_EQ(qs::JoinPath(directory, "Quickseek.ini", '\\'), "C:\\Plugins\\Quickseek.ini");
    EXPECT_EQ(qs::JoinPath(qs::DirectoryOfModule("D:\\Quickseek.dll", qs::WindowsPathRules), "Quickseek.ini", '\\'),
              "D:\\Quickseek.ini");
    // No folder found: the root of the current drive.
    EXPECT_EQ(qs::JoinPath("", "Quickseek.ini", '\\'), "\\Quickseek.ini");
}

TEST(PluginDirectory, ThisProgramsFolderOnThisSystem) {
    // The unit tests are linked into one program, so "the module" is this program's file.
    const std::string path = qs::PluginModulePath();
    ASSERT_FALSE(path.empty());
    const std::string directory = qs::PluginDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(path.compare(0, directory.size(), directory), 0) << path;
    EXPECT_EQ(path[directory.size()], qs::PathSeparator()) << path;
    EXPECT_NE(path.find("unit_tests", directory.size()), std::string::npos) << path;
    EXPECT_EQ(qs::ConfigFilePath("Quickseek.ini"), directory + qs::PathSeparator() + "Quickseek.ini");
}

TEST(LanguageCode, FromWhatTheHostWrites) {
    const struct {
        std::string written;  // the three bytes of the buffer after the call
        const char* code;
    } cases[] = {
        {std::string("en\0", 3), "en"},
        {std::string("EN\0", 3), "en"},
        {std::string("De\0", 3), "de"},
        {std::string("\0\0\0", 3), "fr"},
        {std::string("\0xy", 3), "fr"},
        {std::string("e\0x", 3), "e"},
        {"ENG", "en"},  // no zero within the buffer: two characters at most
        {std::string("\xC9\xC0\0", 3), "\xE9\xE0"},
    };
    for (const auto& c : cases) {
        const char written[3] = {c.written[0], c.written[1], c.written[2]};
        EXPECT_EQ(qs::LanguageCodeFromHost(written), c.code) << c.written;
    }
}

TEST(LanguageCode, AsksTheHostOnceWithAClearedBuffer) {
    const struct {
        std::string bytes;
        const char* code;
    } cases[] = {
        {std::string("EN\0", 3), "en"},
        {"", "fr"},  // the host writes nothing at all: the cleared buffer reads as empty
        {std::string("\0", 1), "fr"},
        {"ENG", "en"},
        {"d", "d"},
    };
    for (const auto& c : cases) {
        host::Script() = host::HostScript{};
        host::Script().languageBytes = c.bytes;
        EXPECT_EQ(qs::LanguageCode(), c.code) << c.bytes;
        EXPECT_EQ(host::Script().CountCalls("CodeLangue"), 1);
    }
    host::Script() = host::HostScript{};
}

}  // namespace
