// The report for tools: one JSON object with the same content as the text.
#include <sstream>

#include "search/QueryEncoding.h"
#include "tools/check/Console.h"
#include "tools/check/ReportWriters.h"

namespace qs::check {

namespace {

class Json {
public:
    // A string in the configuration's code page, escaped; converted to UTF-8 with the rest.
    static std::string String(const std::string& text) {
        std::string out = "\"";
        for (unsigned char c : text) {
            if (c == '"' || c == '\\') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c < 0x20 || c == 0x7F) {
                static const char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
        return out + "\"";
    }
    static std::string Bool(bool value) { return value ? "true" : "false"; }
};

const char* OriginKind(Origin::Kind kind) {
    switch (kind) {
    case Origin::BuiltIn: return "built-in";
    case Origin::Key: return "key";
    case Origin::FallbackKey: return "fallback-key";
    case Origin::Option: return "option";
    case Origin::Empty: return "none";
    }
    return "";
}

std::string LocationJson(const Location& where) {
    return "{\"file\":" + Json::String(where.file) + ",\"section\":" + Json::String(where.section) +
           ",\"key\":" + Json::String(where.key) + ",\"line\":" + std::to_string(where.line) + "}";
}

std::string OriginJson(const Origin& origin) {
    std::string out = std::string("{\"from\":\"") + OriginKind(origin.kind) + "\"";
    if (!origin.where.file.empty()) out += ",\"at\":" + LocationJson(origin.where);
    return out + "}";
}

std::string Languages(const std::vector<std::string>& languages) {
    std::string out = "[";
    for (std::size_t i = 0; i < languages.size(); ++i) out += (i ? "," : "") + Json::String(languages[i]);
    return out + "]";
}

template <typename Item, typename Write>
std::string Array(const std::vector<Item>& items, Write write) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + write(items[i]);
    return out + "]";
}

std::string Field(const std::string& value, const Origin& origin) {
    return "{\"value\":" + value + ",\"origin\":" + OriginJson(origin) + "}";
}

std::string OptionsJson(const OptionsAfterFile& after) {
    const TPluginOptions& v = after.values;
    return "{\"after\":" + Json::String(after.file) + ",\"ENCODE\":" + Field(std::to_string(v.Encode), after.encode) +
           ",\"NAVIGATOR\":" + Field(Json::Bool(v.Navigator), after.navigator) +
           ",\"CLIPBOARD\":" + Field(Json::Bool(v.Clipboard), after.clipboard) +
           ",\"TRIM\":" + Field(Json::Bool(v.Trim), after.trim) +
           ",\"CTRLMENU\":" + Field(Json::Bool(v.CtrlMenu), after.ctrlMenu) +
           ",\"BEEP\":" + Field(Json::Bool(v.BeepOnFailure), after.beep) +
           ",\"SHORTCUT\":" + Field(Json::String(v.Shortcut), after.shortcut) +
           ",\"shortcut_code\":" + std::to_string(after.shortcutCode) +
           ",\"shortcut_keys\":" + Json::String(after.shortcutKeys) + "}";
}

std::string EntryJson(const EntryReport& entry) {
    const TSearchEntry& e = entry.stored;
    return "{\"position\":" + std::to_string(entry.position) + ",\"section\":" + LocationJson(entry.section) +
           ",\"title\":" + Field(Json::String(e.Title.Str()), entry.title) +
           ",\"url\":" + Field(Json::String(e.Url.Str()), entry.url) +
           ",\"encode\":" + Field(std::to_string(e.Encode), entry.encode) +
           ",\"navigator\":" + Field(Json::Bool(e.Navigator), entry.navigator) +
           ",\"clipboard\":" + Field(Json::Bool(e.Clipboard), entry.clipboard) +
           ",\"trim\":" + Field(Json::Bool(e.Trim), entry.trim) +
           ",\"pattern\":" + Field(Json::String(e.RegExp.Str()), entry.pattern) + "}";
}

std::string TryJson(const TryItem& item) {
    return "{\"position\":" + std::to_string(item.position) + ",\"enabled\":" + Json::Bool(item.enabled) +
           ",\"accepted\":" + Json::Bool(item.accepted) + ",\"beeps\":" + Json::Bool(item.beeps) +
           ",\"opens\":" + (item.accepted && item.opens ? Json::String(item.address) : "null") +
           ",\"address\":" + (item.accepted ? Json::String(item.address) : "null") +
           ",\"clipboard\":" + (item.accepted && item.copies ? Json::String(item.query) : "null") + "}";
}

std::string LanguageJson(const LanguageReport& language) {
    std::string out = "{\"code\":" + Json::String(language.code) + ",\"display_name\":" +
                      (language.displayName ? Json::String(*language.displayName) : "null") +
                      ",\"display_name_origin\":" + OriginJson(language.displayNameOrigin) +
                      ",\"menu\":" + Array(language.entries, EntryJson);
    out += ",\"try\":" + Array(language.tries, TryJson);
    return out + "}";
}

std::string DiagnosticJson(const Diagnostic& d) {
    std::string out = std::string("{\"severity\":\"") + (d.severity == Severity::Error ? "error" : "warning") +
                      "\",\"code\":" + Json::String(d.code) + ",\"at\":" + LocationJson(d.where) +
                      ",\"message\":" + Json::String(d.message) + ",\"languages\":" + Languages(d.languages);
    if (d.code == "pattern-refused")
        out += ",\"pattern\":" + Json::String(d.pattern) + ",\"position\":" + std::to_string(d.position);
    return out + "}";
}

}  // namespace

std::string WriteJson(const CheckReport& report) {
    // Paths are the system's text, converted on their own; the rest is the configuration's.
    const auto path = [](const std::string& text) { return SystemTextToUtf8(Json::String(text)); };
    std::string head = "{\"folder\":" + path(report.folder) + ",\"exit_code\":" + std::to_string(report.ExitCode());
    if (!report.fatal.empty()) return head + ",\"fatal\":" + path(report.fatal) + "}\n";
    head += ",\"files\":" + Array(report.files, [&](const ConfigFile& f) {
        return "{\"name\":" + Json::String(f.name) + ",\"path\":" + path(f.path) +
               ",\"exists\":" + Json::Bool(f.exists) + "}";
    });
    std::ostringstream out;
    out << ",\"options\":" << Array(report.options, OptionsJson);
    out << ",\"languages\":" << Array(report.languages, LanguageJson);
    out << ",\"passed_over\":" << Array(report.passedSections, [](const PassedSection& p) {
        return "{\"at\":" + LocationJson(p.where) + ",\"reason\":" + Json::String(p.reason) +
               ",\"languages\":" + Languages(p.languages) + "}";
    });
    out << ",\"buttons\":" << Array(report.buttons, [](const ButtonSection& b) {
        return "{\"section\":" + Json::String(b.name) + ",\"keys\":" + Array(b.keys, [](const ButtonKey& k) {
                   return "{\"file\":" + Json::String(k.file) + ",\"key\":" + Json::String(k.key) +
                          ",\"value\":" + Json::String(k.text) + ",\"line\":" + std::to_string(k.line) + "}";
               }) + "}";
    });
    out << ",\"tried\":" << (report.tried ? Json::String(*report.tried) : "null");
    out << ",\"errors\":" << report.Count(Severity::Error) << ",\"warnings\":" << report.Count(Severity::Warning);
    out << ",\"diagnostics\":" << Array(report.diagnostics, DiagnosticJson) << "}\n";
    return head + Cp1252ToUtf8(out.str());
}

}  // namespace qs::check
