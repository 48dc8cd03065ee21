// Reading the query file, laying out the corpus, and recording answers.
#include "tests/unit/ProfileCorpus.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/Profile.h"

namespace qs_test {

namespace {

std::string Unescape(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            bytes.push_back(text[i]);
        } else if (text[i + 1] == 'x' && i + 3 < text.size()) {
            bytes.push_back(static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16)));
            i += 3;
        } else {
            bytes.push_back(text[++i]);
        }
    }
    return bytes;
}

std::optional<std::string> Field(const std::string& text) {
    if (text == "(null)") return std::nullopt;
    return Unescape(text);
}

std::string LongLineFile() {
    std::string text = "[S]\r\nKEY=";
    for (int i = 0; i < 65536; ++i) text += "0123456789abcdef";  // a line of 1 MiB
    text += "\r\nAFTER=after\r\n[" + std::string(3000, 'L') + "]\r\nK=long section\r\n";
    return text;
}

std::string ManySectionsFile() {
    std::string text;
    char line[160];
    for (int i = 0; i < 20000; ++i) {
        std::snprintf(line, sizeof line, "[SEARCH_%05d]\r\nfr_TITLE=Title %d\r\nfr_URL=http://example.org/%d?q=%%1\r\n", i,
                      i, i);
        text += line;
    }
    return text;
}

std::string BigFile() {
    std::string text = "[BIG]\r\n";
    char line[96];
    for (int i = 0; i < 200000; ++i) {
        std::snprintf(line, sizeof line, "K%d=value %d, long enough to make ten megabytes\r\n", i, i);
        text += line;
    }
    return text + "[TAIL]\r\nLAST=end\r\n";
}

std::string GarbageFile() {
    std::string text(65536, '\0');
    std::uint32_t state = 12345;
    for (char& byte : text) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 23);
    }
    return text;
}

}  // namespace

std::vector<ProfileQuery> ReadProfileQueries(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<ProfileQuery> queries;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
        if (fields.size() != 5) throw std::runtime_error("bad query line: " + line);
        ProfileQuery query;
        query.line = line;
        query.file = fields[0];
        query.section = Field(fields[1]);
        query.key = Field(fields[2]);
        query.defaultText = Field(fields[3]);
        query.size = static_cast<std::uint32_t>(std::stoul(fields[4]));
        queries.push_back(std::move(query));
    }
    return queries;
}

ProfileCorpus::ProfileCorpus() {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(SourceFile("tests/data/ini"))) {
        if (entry.path().extension() == ".ini") fs::copy_file(entry.path(), fs::path(folder_.Path()) / entry.path().filename());
    }
    folder_.MakeDirectory("@folder.ini");
    folder_.Write("@long-line.ini", LongLineFile());
    folder_.Write("@many-sections.ini", ManySectionsFile());
    folder_.Write("@big.ini", BigFile());
    folder_.Write("@garbage.ini", GarbageFile());
}

std::string ProfileCorpus::PathOf(const std::string& file) const { return folder_.File(file); }

std::string AnswerOf(const ProfileQuery& query, const ProfileCorpus& corpus) {
    constexpr char kUntouched = static_cast<char>(0xCC);
    constexpr std::size_t kGuard = 16;
    std::string buffer(query.size + kGuard, kUntouched);
    auto pointer = [](const std::optional<std::string>& text) { return text ? text->c_str() : nullptr; };
    const std::uint32_t count = qs::ProfileString(pointer(query.section), pointer(query.key), pointer(query.defaultText),
                                                  &buffer[0], query.size, corpus.PathOf(query.file).c_str());
    std::size_t written = buffer.size();
    while (written > 0 && buffer[written - 1] == kUntouched) --written;
    buffer.resize(written);
    return std::to_string(count) + " \"" + Escape(buffer) + "\"";
}

std::string Escape(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\') {
            text += "\\\\";
        } else if (byte >= 0x20 && byte <= 0x7E) {
            text.push_back(c);
        } else {
            text += "\\x";
            text.push_back(digits[byte >> 4]);
            text.push_back(digits[byte & 15]);
        }
    }
    return text;
}

}  // namespace qs_test
