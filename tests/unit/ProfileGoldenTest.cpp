// The profile function against the answers recorded from Windows' GetPrivateProfileStringA
// on the corpus under tests/data/ini: the win32 build must still get exactly those answers
// from the system, and our own reader must give the same.
//
// To record the golden file again, run the win32 test program under Wine with
// QS_PROFILE_GOLDEN_OUT set to the file to write (as a Windows path, e.g. Z:\tmp\golden.txt).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "tests/support/PluginFolder.h"
#include "tests/unit/ProfileCorpus.h"

namespace {

const char kSeparator[] = " => ";

std::map<std::string, std::string> ReadGolden(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::map<std::string, std::string> answers;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t at = line.find(kSeparator);
        if (line.empty() || line[0] == '#' || at == std::string::npos) continue;
        answers[line.substr(0, at)] = line.substr(at + sizeof kSeparator - 1);
    }
    return answers;
}

TEST(ProfileGolden, EveryQueryGetsTheRecordedAnswer) {
    const auto queries = qs_test::ReadProfileQueries(qs_test::SourceFile("tests/data/ini/queries.txt"));
    const qs_test::ProfileCorpus corpus;

    if (const char* out = std::getenv("QS_PROFILE_GOLDEN_OUT")) {
        std::ofstream golden(out, std::ios::binary | std::ios::trunc);
        golden << "# Answers of GetPrivateProfileStringA to tests/data/ini/queries.txt: count \"buffer\".\n";
        for (const auto& query : queries) golden << query.line << kSeparator << qs_test::AnswerOf(query, corpus) << "\n";
        ASSERT_TRUE(golden.good()) << out;
        GTEST_SKIP() << "recorded " << queries.size() << " answers into " << out;
    }

    const auto golden = ReadGolden(qs_test::SourceFile("tests/data/ini/golden.txt"));
    ASSERT_FALSE(golden.empty());
    for (const auto& query : queries) {
        const auto expected = golden.find(query.line);
        if (expected == golden.end()) {
            ADD_FAILURE() << "no recorded answer for: " << query.line;
            continue;
        }
        EXPECT_EQ(qs_test::AnswerOf(query, corpus), expected->second) << query.line;
    }
}

}  // namespace
