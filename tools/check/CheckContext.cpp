// Locations in the configuration files, and the list of problems.
#include "tools/check/CheckContext.h"

#include "tools/check/LoadRecord.h"

namespace qs::check {

Location FileContext::Where(const std::string& section, const std::string& key) const {
    Location where{name, section, key, 0};
    if (const ScannedSection* found = scan.Find(section)) {
        where.line = found->line;
        if (!key.empty()) {
            if (const ScannedKey* line = found->Find(key)) where.line = line->line;
        }
    }
    return where;
}

const FileContext* CheckContext::File(const std::string& pathOrName) const {
    for (const FileContext& file : files)
        if (file.path == pathOrName || file.name == pathOrName) return &file;
    const std::string name = FileNameOf(pathOrName);
    for (const FileContext& file : files)
        if (file.name == name) return &file;
    return nullptr;
}

void Findings::Add(Severity severity, std::string code, Location where, std::string message,
                   std::vector<std::string> languages) {
    Diagnostic diagnostic;
    diagnostic.severity = severity;
    diagnostic.code = std::move(code);
    diagnostic.where = std::move(where);
    diagnostic.message = std::move(message);
    diagnostic.languages = std::move(languages);
    diagnostics_.push_back(std::move(diagnostic));
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace qs::check
