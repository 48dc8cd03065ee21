// Helper programs get their arguments and input exactly as given, never through a shell.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/posix/ChildProcess.h"
#include "tests/support/PluginFolder.h"

namespace {

std::string WaitForFile(const std::string& path) {
    for (int i = 0; i < 500 && access(path.c_str(), F_OK) != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return qs_test::ReadFile(path);
}

}  // namespace

TEST(ChildProcess, PassesAHostileAddressAsOneArgumentWithoutAShell) {
    qs_test::PluginFolder folder(false);
    const std::string out = folder.File("args");
    const std::string marker = folder.File("pwned");
    folder.Write("record", "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"" + out + ".tmp\" && mv \"" + out + ".tmp\" \"" + out + "\"\n");
    chmod(folder.File("record").c_str(), 0755);
    const std::string address = "http://x/?q=a b;touch " + marker + "&$(touch " + marker + ")'\"`";
    ASSERT_TRUE(qs::StartDetached(folder.File("record"), {address}));
    EXPECT_EQ(WaitForFile(out), "1|" + address + "|");
    EXPECT_NE(access(marker.c_str(), F_OK), 0);
}

TEST(ChildProcess, FeedsInputAndSurvivesAProgramThatStopsReadingEarly) {
    qs_test::PluginFolder folder(false);
    folder.Write("first-line", "#!/bin/sh\nhead -c 1 > /dev/null\nexit 0\n");
    chmod(folder.File("first-line").c_str(), 0755);
    // Far more than a pipe holds: the writer meets a closed pipe and must not die of SIGPIPE.
    EXPECT_FALSE(qs::RunWithInput(folder.File("first-line"), {}, std::string(1 << 20, 'x')));
    folder.Write("keep", "#!/bin/sh\ncat > \"" + folder.File("kept") + "\"\n");
    chmod(folder.File("keep").c_str(), 0755);
    EXPECT_TRUE(qs::RunWithInput(folder.File("keep"), {}, "caf\xC3\xA9"));
    EXPECT_EQ(qs_test::ReadFile(folder.File("kept")), "caf\xC3\xA9");
}

TEST(ChildProcess, FindsProgramsOnlyWhereTheyAreExecutable) {
    EXPECT_FALSE(qs::FindProgram("sh").empty());
    EXPECT_TRUE(qs::FindProgram("no-such-program-quickseek").empty());
    EXPECT_TRUE(qs::FindProgram("").empty());
}
