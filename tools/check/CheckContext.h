// What every part of the check works from: the two configuration files with their layout,
// and the list of problems found so far.
#pragma once
#include <string>
#include <vector>

#include "tools/check/CheckReport.h"
#include "tools/check/IniScan.h"

namespace qs::check {

constexpr const char* MainFileName = "Quickseek.ini";
constexpr const char* PersonalFileName = "Quickseek_MY.ini";

struct FileContext {
    std::string name;  // "Quickseek.ini"
    std::string path;
    bool exists = false;
    ScannedFile scan;

    // The location of a key of a section, with the line of the key (or else of the section).
    Location Where(const std::string& section, const std::string& key = std::string()) const;
};

struct CheckContext {
    std::string folder;
    std::vector<FileContext> files;  // Quickseek.ini, then Quickseek_MY.ini
    std::vector<std::string> languages;

    // The file of that path or name; null when it is neither of the two.
    const FileContext* File(const std::string& pathOrName) const;
};

class Findings {
public:
    void Add(Severity severity, std::string code, Location where, std::string message,
             std::vector<std::string> languages = {});
    void Add(Diagnostic diagnostic) { diagnostics_.push_back(std::move(diagnostic)); }
    const std::vector<Diagnostic>& All() const { return diagnostics_; }
    std::vector<Diagnostic> Take() { return std::move(diagnostics_); }

private:
    std::vector<Diagnostic> diagnostics_;
};

// "value" in double quotes, for messages.
std::string Quoted(const std::string& text);

}  // namespace qs::check
