// The profile reader keeps parsed files; a file written again must be read again, also when
// its size stays the same and it changes faster than the file system's clock ticks.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/Profile.h"
#include "tests/support/PluginFolder.h"

namespace {

std::string Value(const std::string& path) {
    char buffer[64];
    const std::uint32_t count = qs::ProfileString("S", "K", "absent", buffer, sizeof buffer, path.c_str());
    return std::string(buffer, count);
}

TEST(ProfileReread, AFileWrittenAgainWithinOneClockTickIsReadAgain) {
    namespace fs = std::filesystem;
    qs_test::PluginFolder folder(false);
    const std::string path = folder.File("reread.ini");
    // A coarse file clock gives both writes the same time; the size is the same too.
    const auto tick = fs::file_time_type::clock::now();
    for (const char* value : {"1", "2", "3"}) {
        folder.Write("reread.ini", std::string("[S]\nK=") + value + "\n");
        fs::last_write_time(path, tick);
        EXPECT_EQ(Value(path), value);
        EXPECT_EQ(Value(path), value);
    }
}

TEST(ProfileReread, AKeptFileWrittenAgainIsReadAgain) {
    qs_test::PluginFolder folder(false);
    const std::string path = folder.File("kept.ini");
    folder.Write("kept.ini", "[S]\nK=1\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(Value(path), "1");
    EXPECT_EQ(Value(path), "1");
    folder.Write("kept.ini", "[S]\nK=2\n");
    EXPECT_EQ(Value(path), "2");
    folder.Remove("kept.ini");
    EXPECT_EQ(Value(path), "absent");
    folder.MakeDirectory("kept.ini");
    EXPECT_EQ(Value(path), "absent");
}

}  // namespace
