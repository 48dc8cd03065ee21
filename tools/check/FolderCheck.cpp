// Runs the check: bad input first (a folder that is none, files that cannot be read or are no
// text), then the plug-in's load per language, then the rules. Problems found in several
// languages alike are reported once.
#include "tools/check/FolderCheck.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "config/IniFile.h"
#include "config/LoadObserver.h"
#include "config/Load.h"
#include "config/PluginLocation.h"
#include "identity/BuiltInName.h"
#include "platform/ModulePath.h"
#include "platform/Profile.h"
#include "plugin/PluginBase.h"
#include "tools/check/ButtonAnalysis.h"
#include "tools/check/CheckContext.h"
#include "tools/check/EntryAnalysis.h"
#include "tools/check/OptionsAnalysis.h"
#include "tools/check/SectionRules.h"
#include "tools/check/TryRun.h"

namespace qs::check {

namespace {

// The folder and its two files; false, with report.fatal set, for input the check cannot use.
bool OpenFolder(const CheckRequest& request, CheckContext& context, CheckReport& report) {
    std::error_code error;
    const std::filesystem::path folder(request.folder);
    if (!std::filesystem::exists(folder, error)) {
        report.fatal = "no folder " + request.folder;
        return false;
    }
    if (!std::filesystem::is_directory(folder, error)) {
        report.fatal = request.folder + " is no folder: give the folder that holds Quickseek.ini";
        return false;
    }
    context.folder = request.folder;
    for (const char* name : {MainFileName, PersonalFileName}) {
        FileContext file;
        file.name = name;
        file.path = JoinPath(request.folder, name, PathSeparator());
        file.exists = FileExists(file.path);
        std::string why;
        if (file.exists && !ScanFile(file.path, file.scan, why)) {
            report.fatal = file.path + " " + why;
            return false;
        }
        report.files.push_back(ConfigFile{file.name, file.path, file.exists});
        context.files.push_back(std::move(file));
    }
    if (!context.files[0].exists && !context.files[1].exists) {
        report.fatal = "neither Quickseek.ini nor Quickseek_MY.ini in " + request.folder;
        return false;
    }
    return true;
}

std::vector<std::string> Languages(const CheckRequest& request, const CheckContext& context) {
    if (request.languages.empty()) return LanguagesInFiles(context);
    std::vector<std::string> languages;
    for (const std::string& requested : request.languages) {
        // As the plug-in takes the host's code: at most two characters, lower case, fr for none.
        char written[3] = {};
        requested.copy(written, 2);
        const std::string code = LanguageCodeFromHost(written);
        if (std::find(languages.begin(), languages.end(), code) == languages.end()) languages.push_back(code);
    }
    return languages;
}

// The display name the host gets in a language: the language's own key in "DESCRIPTION" of
// Quickseek.ini, or the built-in name. There is no fallback.
void FindDisplayName(const CheckContext& context, LanguageReport& report, Findings& findings) {
    const FileContext& main = context.files[0];
    report.displayName = UnscrambleName(BuiltInName);
    report.displayNameOrigin = Origin{Origin::BuiltIn, {}};
    if (!main.exists) return;
    const std::string key = report.code + "_NAME";
    const KeyText text = ReadKeyText(IniFile(main.path), "DESCRIPTION", key);
    if (!text.present) return;
    report.displayNameOrigin = Origin{Origin::Key, main.Where("DESCRIPTION", key)};
    if (!text.text.empty()) {
        report.displayName = text.text;
        return;
    }
    report.displayName.reset();
    findings.Add(Severity::Warning, "empty-display-name", report.displayNameOrigin.where,
                 key + " is empty: the host gets no name for the plug-in in language " + report.code, {report.code});
}

// A "SEARCH_" section that gives no entry: an error when it gives none in any language.
void ReportPassedSections(const std::vector<SectionOutcome>& outcomes, const CheckContext& context,
                          CheckReport& report, Findings& findings) {
    std::map<std::pair<std::string, std::size_t>, std::vector<const SectionOutcome*>> bySection;
    std::vector<std::pair<std::string, std::size_t>> order;
    for (const SectionOutcome& outcome : outcomes) {
        const auto id = std::make_pair(outcome.file, outcome.ordinal);
        if (bySection[id].empty()) order.push_back(id);
        bySection[id].push_back(&outcome);
    }
    for (const auto& id : order) {
        const std::vector<const SectionOutcome*>& all = bySection[id];
        std::vector<const SectionOutcome*> refused;
        for (const SectionOutcome* outcome : all)
            if (!outcome->accepted) refused.push_back(outcome);
        if (refused.empty()) continue;
        const FileContext* file = context.File(id.first);
        const Location section = file->Where(refused.front()->section);
        if (refused.size() == all.size()) {
            // The French keys serve every language: their account says what to write.
            const auto french = std::find_if(refused.begin(), refused.end(),
                                             [](const SectionOutcome* outcome) { return outcome->language == "fr"; });
            const SectionOutcome& shown = **(french != refused.end() ? french : refused.begin());
            std::string reason = shown.reason;
            if (all.size() > 1) reason += ", in any language checked";
            // Keys without a language prefix are the likeliest cause.
            const ScannedSection* scanned = file->scan.Find(refused.front()->section);
            std::string bare;
            for (const char* key : {"TITLE", "URL"})
                if (scanned && scanned->Find(key)) bare += (bare.empty() ? "" : " and ") + std::string(key);
            if (!bare.empty()) reason = "its " + bare + " keys have no language prefix, so they are never read; " + reason;
            report.passedSections.push_back(PassedSection{section, reason, {}});
            findings.Add(Severity::Error, "no-entry", shown.missing,
                         "[" + section.section + "] gives no entry: " + reason);
            continue;
        }
        for (const SectionOutcome* outcome : refused) {
            report.passedSections.push_back(PassedSection{section, outcome->reason, {outcome->language}});
            findings.Add(Severity::Warning, "no-entry-in-language", outcome->missing,
                         "[" + section.section + "] gives no entry in language " + outcome->language + ": " +
                             outcome->reason,
                         {outcome->language});
        }
    }
}

bool SameProblem(const Diagnostic& a, const Diagnostic& b) {
    return a.severity == b.severity && a.code == b.code && a.where.file == b.where.file &&
           a.where.section == b.where.section && a.where.key == b.where.key && a.where.line == b.where.line &&
           a.message == b.message;
}

// One diagnostic for a problem found alike in several languages; those found in every
// language checked name none in particular.
std::vector<Diagnostic> MergeLanguages(std::vector<Diagnostic> diagnostics, const std::vector<std::string>& languages) {
    std::vector<Diagnostic> merged;
    for (Diagnostic& diagnostic : diagnostics) {
        auto same = std::find_if(merged.begin(), merged.end(), [&](const Diagnostic& d) { return SameProblem(d, diagnostic); });
        if (same == merged.end()) {
            merged.push_back(std::move(diagnostic));
            continue;
        }
        for (const std::string& language : diagnostic.languages)
            if (std::find(same->languages.begin(), same->languages.end(), language) == same->languages.end())
                same->languages.push_back(language);
    }
    for (Diagnostic& diagnostic : merged) {
        std::sort(diagnostic.languages.begin(), diagnostic.languages.end());
        if (diagnostic.languages.size() == languages.size() && languages.size() > 0) diagnostic.languages.clear();
    }
    return merged;
}

}  // namespace

CheckReport CheckFolder(const CheckRequest& request) {
    CheckReport report;
    report.folder = request.folder;
    report.tried = request.selection;
    CheckContext context;
    if (!OpenFolder(request, context, report)) return report;
    context.languages = Languages(request, context);

    Findings findings;
    std::vector<SectionOutcome> outcomes;
    for (const std::string& language : context.languages) {
        ResetState();
        PluginState& state = State();
        const LoadRecord record = RecordLoad(state, context.folder, language);
        if (report.options.empty()) {
            report.options = AnalyzeOptions(record, context, findings);
            CheckSections(context, record, findings, report.passedSections);
        }
        EntryAnalysis analysis = AnalyzeEntries(record, state, report.options, context, findings);
        FindDisplayName(context, analysis.report, findings);
        if (request.selection) analysis.report.tries = TryEntries(request.selection);
        outcomes.insert(outcomes.end(), analysis.outcomes.begin(), analysis.outcomes.end());
        report.languages.push_back(std::move(analysis.report));
    }
    ResetState();
    ReportPassedSections(outcomes, context, report, findings);
    report.buttons = AnalyzeButtons(context, findings);
    report.diagnostics = MergeLanguages(findings.Take(), context.languages);
    return report;
}

}  // namespace qs::check
