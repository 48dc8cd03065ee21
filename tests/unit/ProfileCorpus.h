// The corpus of INI files and look-ups under tests/data/ini, and the answers of the profile
// function on them in the form the golden file keeps.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/PluginFolder.h"

namespace qs_test {

struct ProfileQuery {
    std::string line;  // as written in the query file
    std::string file;
    std::optional<std::string> section, key, defaultText;
    std::uint32_t size = 0;
};

std::vector<ProfileQuery> ReadProfileQueries(const std::string& path);

// A folder holding the corpus files, the large ones made on the spot, and a folder in the
// place of a file.
class ProfileCorpus {
public:
    ProfileCorpus();
    std::string PathOf(const std::string& file) const;

private:
    PluginFolder folder_{false};
};

// "count "bytes"": the number the function returned and the buffer as it left it, up to the
// last byte written (the buffer is filled with 0xCC before the call).
std::string AnswerOf(const ProfileQuery& query, const ProfileCorpus& corpus);

// Bytes outside printable ASCII as \xHH, a backslash doubled.
std::string Escape(const std::string& bytes);

}  // namespace qs_test
