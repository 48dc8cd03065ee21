// The report for people: files, options after each file, the display name, the menu of each
// language with where every field came from, the sections that give no entry, the buttons,
// the try, and the problems, each with its file, line, section and key.
#include <sstream>

#include "search/QueryEncoding.h"
#include "tools/check/Console.h"
#include "tools/check/ReportWriters.h"
#include "tools/check/Wording.h"

namespace qs::check {

namespace {

// Control bytes made visible, so that a value cannot break the layout.
std::string Shown(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) {
            static const char hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Pad(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

void WriteOptions(std::ostringstream& out, const CheckReport& report) {
    for (const OptionsAfterFile& after : report.options) {
        out << "\nOptions in force after " << after.file << "\n";
        const TPluginOptions& v = after.values;
        const struct {
            const char* key;
            std::string value;
            const Origin& origin;
        } rows[] = {
            {"ENCODE", DescribeEncode(v.Encode), after.encode},
            {"NAVIGATOR", OnOff(v.Navigator), after.navigator},
            {"CLIPBOARD", OnOff(v.Clipboard), after.clipboard},
            {"TRIM", OnOff(v.Trim), after.trim},
            {"CTRLMENU", OnOff(v.CtrlMenu), after.ctrlMenu},
            {"BEEP", OnOff(v.BeepOnFailure), after.beep},
            {"SHORTCUT",
             Shown(v.Shortcut) + (after.shortcutCode ? " (" + after.shortcutKeys + ", " + Hex16(after.shortcutCode) + ")"
                                                     : " (no key)"),
             after.shortcut},
        };
        for (const auto& row : rows)
            out << "  " << Pad(row.key, 10) << " " << Pad(row.value, 40) << "  " << DescribeOrigin(row.origin) << "\n";
    }
}

// Where an entry's field came from, its section being named above it.
std::string FieldOrigin(const Origin& origin) {
    const std::string line = origin.where.line > 0 ? ", line " + std::to_string(origin.where.line) : "";
    switch (origin.kind) {
    case Origin::Key: return origin.where.key + line;
    case Origin::FallbackKey: return origin.where.key + line + " (French fallback)";
    case Origin::Option:
        return origin.where.file.empty() ? "built-in option"
                                         : "[OPTION] " + origin.where.key + " of " + origin.where.file + line;
    case Origin::BuiltIn: return "built-in";
    case Origin::Empty: break;
    }
    return std::string();
}

void WriteEntry(std::ostringstream& out, const EntryReport& entry) {
    const TSearchEntry& e = entry.stored;
    out << "  " << entry.position << ". " << Shown(e.Title.Str()) << "   [" << entry.section.section << "] of "
        << entry.section.file;
    if (entry.section.line > 0) out << ", line " << entry.section.line;
    out << "\n";
    const struct {
        const char* name;
        std::string value;
        const Origin& origin;
    } rows[] = {
        {"title", Shown(e.Title.Str()), entry.title},
        {"url", Shown(e.Url.Str()), entry.url},
        {"encode", DescribeEncode(e.Encode), entry.encode},
        {"navigator", OnOff(e.Navigator), entry.navigator},
        {"clipboard", OnOff(e.Clipboard), entry.clipboard},
        {"trim", OnOff(e.Trim), entry.trim},
        {"pattern", e.RegExp.length ? Shown(e.RegExp.Str()) : std::string("none"), entry.pattern},
    };
    for (const auto& row : rows) {
        const std::string origin = FieldOrigin(row.origin);
        out << "       " << Pad(row.name, 10) << " " << (origin.empty() ? row.value : Pad(row.value, 40) + "  " + origin)
            << "\n";
    }
}

void WriteTries(std::ostringstream& out, const LanguageReport& language, const std::string& tried) {
    out << "\nTrying the selection " << Shown(tried) << " in language " << language.code << "\n";
    for (const TryItem& item : language.tries) {
        out << "  " << item.position << ". " << Shown(language.entries.at(item.position).stored.Title.Str()) << ": "
            << (item.enabled ? "enabled" : "disabled") << "\n";
        if (!item.accepted) {
            out << "       a pick is refused" << (item.beeps ? " with a beep" : "") << "\n";
            continue;
        }
        out << "       opens     " << (item.opens ? Shown(item.address) : "nothing (NAVIGATOR is off)") << "\n";
        if (!item.opens) out << "       address   " << Shown(item.address) << " (built, not used)\n";
        out << "       clipboard " << (item.copies ? Shown(item.query) : "nothing (CLIPBOARD is off)") << "\n";
    }
}

void WriteDiagnostic(std::ostringstream& out, const Diagnostic& diagnostic) {
    out << "  " << (diagnostic.severity == Severity::Error ? "error  " : "warning") << " "
        << DescribeLocation(diagnostic.where) << ": " << diagnostic.message;
    if (!diagnostic.languages.empty()) out << " [language " << JoinLanguages(diagnostic.languages) << "]";
    out << "\n";
    if (diagnostic.code == "pattern-refused") {
        // One column per byte, so that the caret stands under the fault.
        std::string pattern = diagnostic.pattern;
        for (char& c : pattern)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
        out << "            " << pattern << "\n";
        out << "            " << std::string(diagnostic.position, ' ') << "^\n";
    }
}

}  // namespace

std::string WriteText(const CheckReport& report) {
    // Paths are the system's text; everything else is ASCII or the configuration's own bytes.
    if (!report.fatal.empty()) return "quickseek-check: " + SystemTextToUtf8(report.fatal) + "\n";
    const std::string heading = "Configuration in " + SystemTextToUtf8(report.folder) + "\n";
    std::ostringstream out;
    for (const ConfigFile& file : report.files)
        out << "  " << Pad(file.name, 17) << (file.exists ? "read" : "absent") << "\n";
    WriteOptions(out, report);

    out << "\nDisplay name\n";
    for (const LanguageReport& language : report.languages) {
        out << "  " << language.code << ": "
            << (language.displayName ? Shown(*language.displayName) : std::string("none (the value is empty)")) << "   "
            << DescribeOrigin(language.displayNameOrigin) << "\n";
    }
    for (const LanguageReport& language : report.languages) {
        out << "\nMenu in language " << language.code << ": " << language.entries.size()
            << (language.entries.size() == 1 ? " item" : " items") << "\n";
        for (const EntryReport& entry : language.entries) WriteEntry(out, entry);
    }
    if (!report.passedSections.empty()) {
        out << "\nSections that give no entry\n";
        for (const PassedSection& passed : report.passedSections) {
            out << "  " << DescribeLocation(passed.where);
            if (!passed.languages.empty()) out << " (language " << JoinLanguages(passed.languages) << ")";
            out << ": " << passed.reason << "\n";
        }
    }
    if (!report.buttons.empty()) {
        out << "\nToolbar buttons (without a section, a button is wanted at place 2 only)\n";
        for (const ButtonSection& button : report.buttons) {
            out << "  [" << button.name << "]\n";
            for (const ButtonKey& key : button.keys)
                out << "       " << Pad(key.key, 10) << " " << Pad(Shown(key.text), 8) << " in " << key.file << ", line "
                    << key.line << "\n";
        }
    }
    if (report.tried) {
        for (const LanguageReport& language : report.languages) WriteTries(out, language, *report.tried);
    }

    const std::size_t errors = report.Count(Severity::Error), warnings = report.Count(Severity::Warning);
    out << "\n";
    if (!report.diagnostics.empty()) {
        out << "Problems\n";
        for (const Diagnostic& diagnostic : report.diagnostics)
            if (diagnostic.severity == Severity::Error) WriteDiagnostic(out, diagnostic);
        for (const Diagnostic& diagnostic : report.diagnostics)
            if (diagnostic.severity == Severity::Warning) WriteDiagnostic(out, diagnostic);
    }
    out << "Result: " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning" : " warnings") << "\n";
    return heading + Cp1252ToUtf8(out.str());
}

}  // namespace qs::check
