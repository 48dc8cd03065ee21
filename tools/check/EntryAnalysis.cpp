// The entries of one language, field by field: which key gave each value, and the values that
// the plug-in cuts, ignores or takes from elsewhere without a word.
#include "tools/check/EntryAnalysis.h"

#include <map>

#include "config/IniInteger.h"
#include "tools/check/OptionsAnalysis.h"
#include "tools/check/PatternCheck.h"
#include "tools/check/Wording.h"

namespace qs::check {

namespace {

const char* const Placeholder = "%1";

bool IsTextField(const std::string& field) { return field == "TITLE" || field == "URL" || field == "REGEXP"; }

std::string KeyState(const KeyText& text) { return text.present ? "empty" : "absent"; }

// Why a title or URL came out empty.
std::string WhyEmpty(const EntryFieldReading& reading) {
    if (reading.localizedKey == reading.fallbackKey) {
        return reading.fallback.present ? reading.fallbackKey + " is empty" : "no " + reading.fallbackKey + " is written";
    }
    const std::string neither = "neither " + reading.localizedKey + " nor " + reading.fallbackKey;
    if (!reading.localized.present && !reading.fallback.present) return neither + " is written";
    return neither + " has a value (" + reading.localizedKey + " is " + KeyState(reading.localized) + ", " +
           reading.fallbackKey + " is " + KeyState(reading.fallback) + ")";
}

class EntryChecker {
public:
    EntryChecker(const RecordedSection& recorded, const FileContext& file, const OptionsAfterFile* options,
                 const std::string& language, Findings& findings)
        : recorded_(recorded), file_(file), options_(options), language_(language), findings_(findings) {}

    Location KeyWhere(const EntryFieldReading& reading) const {
        const bool fromFallback = reading.source == EntryKeySource::Fallback;
        return file_.Where(recorded_.section, fromFallback ? reading.fallbackKey : reading.localizedKey);
    }

    Origin FieldOrigin(const std::string& field) const {
        const EntryFieldReading* reading = recorded_.Field(field);
        if (reading == nullptr) return Origin{Origin::Empty, {}};
        switch (reading->source) {
        case EntryKeySource::Localized: return Origin{Origin::Key, KeyWhere(*reading)};
        case EntryKeySource::Fallback: return Origin{Origin::FallbackKey, KeyWhere(*reading)};
        case EntryKeySource::Neither: break;
        }
        if (IsTextField(field) || options_ == nullptr) return Origin{Origin::Empty, {}};
        const Origin& option = OptionOrigin(*options_, field);
        return Origin{Origin::Option, option.kind == Origin::BuiltIn ? Location{} : option.where};
    }

    // Keys that do not parse, and keys whose value lets the French key decide.
    void CheckKeys() {
        for (const EntryFieldReading& reading : recorded_.fields) {
            const bool separateFallback = reading.localizedKey != reading.fallbackKey;
            if (!IsTextField(reading.field)) {
                const char* const switchNote = reading.field == "ENCODE" ? "" : " (a switch is written 1 or 0)";
                const bool localizedParses = ParseIniInteger(reading.localized.text).has_value();
                if (reading.localized.present && !localizedParses) {
                    Warn("value-not-integer", file_.Where(recorded_.section, reading.localizedKey),
                         reading.localizedKey + "=" + reading.localized.text + " is not an integer" + switchNote +
                             ", so " + (separateFallback ? reading.fallbackKey + " or " : std::string()) +
                             "the option " + reading.field + " decides");
                }
                if (separateFallback && reading.source != EntryKeySource::Localized && reading.fallback.present &&
                    !ParseIniInteger(reading.fallback.text)) {
                    Warn("value-not-integer", file_.Where(recorded_.section, reading.fallbackKey),
                         reading.fallbackKey + "=" + reading.fallback.text + " is not an integer" + switchNote +
                             ", so the option " + reading.field + " decides");
                }
                if (separateFallback && reading.source == EntryKeySource::Fallback && reading.localized.present &&
                    localizedParses) {
                    Warn("fallback-overrides-default-value", file_.Where(recorded_.section, reading.localizedKey),
                         reading.localizedKey + "=" + reading.localized.text +
                             " equals the value the entry takes by default, and such a value lets " +
                             reading.fallbackKey + "=" + reading.fallback.text + " decide in language " + language_);
                }
            } else if (separateFallback && reading.source == EntryKeySource::Fallback && reading.localized.present) {
                Warn("fallback-overrides-empty-value", file_.Where(recorded_.section, reading.localizedKey),
                     reading.localizedKey + " is empty, and an empty value lets " + reading.fallbackKey +
                         " decide: the entry takes " + Quoted(reading.fallback.text) + " in language " + language_);
            }
        }
    }

    void CheckTexts(const TSearchEntry& stored) {
        const TCurrentEntry& read = recorded_.entry;
        const Location title = WhereField("TITLE"), url = WhereField("URL"), pattern = WhereField("REGEXP");
        if (read.Title.size() > TitleCapacity) {
            Warn("title-cut", title,
                 "the title has " + std::to_string(read.Title.size()) + " characters; the menu shows its first " +
                     std::to_string(TitleCapacity) + ": " + Quoted(stored.Title.Str()));
        }
        const bool urlHasPlaceholder = read.Url.find(Placeholder) != std::string::npos;
        const bool storedHasPlaceholder = stored.Url.Str().find(Placeholder) != std::string::npos;
        if (urlHasPlaceholder && !storedHasPlaceholder) {
            Error("url-lost-placeholder", url,
                  "the URL has " + std::to_string(read.Url.size()) + " characters and is cut to its first " +
                      std::to_string(UrlCapacity) + ", which cuts off its \"%1\": the selection never reaches the "
                      "address");
        } else if (read.Url.size() > UrlCapacity) {
            Warn("url-cut", url,
                 "the URL has " + std::to_string(read.Url.size()) + " characters; only its first " +
                     std::to_string(UrlCapacity) + " are used");
        }
        if (!urlHasPlaceholder && read.Navigator) {
            Warn("url-without-placeholder", url,
                 "the URL has no \"%1\": the selected text is not put into the address, and every pick opens the "
                 "same address");
        }
        if (read.RegExp.size() > RegExpCapacity) {
            Warn("pattern-cut", pattern,
                 "the pattern has " + std::to_string(read.RegExp.size()) + " characters; only its first " +
                     std::to_string(RegExpCapacity) + " are used: " + Quoted(stored.RegExp.Str()));
        }
        if (const std::optional<PatternProblem> problem = FindPatternProblem(stored.RegExp.Str())) {
            Diagnostic diagnostic;
            diagnostic.severity = Severity::Error;
            diagnostic.code = "pattern-refused";
            diagnostic.where = pattern;
            diagnostic.message = "the selection filter refuses this pattern, so no selection ever passes it: " +
                                 problem->reason;
            if (problem->position) diagnostic.message += " (at character " + std::to_string(*problem->position + 1) + ")";
            diagnostic.languages = {language_};
            diagnostic.pattern = stored.RegExp.Str();
            diagnostic.position = problem->position.value_or(stored.RegExp.length);
            findings_.Add(std::move(diagnostic));
        }
        CheckScheme(stored, url);
    }

    void CheckEncode() {
        const EntryFieldReading* reading = recorded_.Field("ENCODE");
        const std::int32_t encode = recorded_.entry.Encode;
        if (reading == nullptr || reading->source == EntryKeySource::Neither) return;  // the option's own warning
        if (encode < EncodeNone || encode > EncodeUtf8Url) {
            Warn("encode-out-of-range", KeyWhere(*reading),
                 "ENCODE " + std::to_string(encode) + " is none of 0, 1 and 2: it acts as 0, no encoding at all");
        }
    }

private:
    Location WhereField(const std::string& field) const {
        const EntryFieldReading* reading = recorded_.Field(field);
        return reading ? KeyWhere(*reading) : file_.Where(recorded_.section);
    }

    // The selection stands where the address names its scheme: the selected text then decides
    // which program or protocol handler the shell starts.
    void CheckScheme(const TSearchEntry& stored, const Location& url) {
        const std::string address = stored.Url.Str();
        const std::size_t placeholder = address.find(Placeholder);
        const std::size_t colon = address.find(':');
        if (!stored.Navigator || placeholder == std::string::npos) return;
        if (placeholder != 0 && (colon == std::string::npos || placeholder > colon)) return;
        const bool encoded = stored.Encode == EncodeUrl || stored.Encode == EncodeUtf8Url;
        Warn("selection-decides-scheme", url,
             std::string("the selected text stands before the scheme of the address (\"%1\" comes before \"://\" or "
                         "starts the URL), so the selected text chooses which program the shell starts: ") +
                 (encoded ? "even URL-encoded, a selection such as calc or ms-settings names a program or a protocol"
                          : "with no encoding, a selection such as C:\\Windows\\System32\\cmd.exe or file:///C:/ is "
                            "started or opened as it stands"));
    }

    void Warn(const char* code, Location where, std::string message) {
        findings_.Add(Severity::Warning, code, std::move(where), std::move(message), {language_});
    }
    void Error(const char* code, Location where, std::string message) {
        findings_.Add(Severity::Error, code, std::move(where), std::move(message), {language_});
    }

    const RecordedSection& recorded_;
    const FileContext& file_;
    const OptionsAfterFile* options_;
    const std::string& language_;
    Findings& findings_;
};

const OptionsAfterFile* OptionsAfter(const std::vector<OptionsAfterFile>& options, const std::string& file) {
    for (const OptionsAfterFile& after : options)
        if (after.file == file) return &after;
    return nullptr;
}

SectionOutcome PassedOverOutcome(const RecordedSection& recorded, const FileContext& file) {
    SectionOutcome outcome;
    std::string reason;
    for (const char* field : {"TITLE", "URL"}) {
        const EntryFieldReading* reading = recorded.Field(field);
        if (reading == nullptr) continue;
        const bool empty = std::string(field) == "TITLE" ? recorded.entry.Title.empty() : recorded.entry.Url.empty();
        if (!empty) continue;
        reason += (reason.empty() ? "no " : " and no ") + std::string(field == std::string("URL") ? "URL" : "title") +
                  " (" + WhyEmpty(*reading) + ")";
        if (outcome.missing.file.empty()) outcome.missing = file.Where(recorded.section, reading->fallbackKey);
    }
    outcome.reason = reason;
    return outcome;
}

}  // namespace

EntryAnalysis AnalyzeEntries(const LoadRecord& record, const PluginState& state,
                             const std::vector<OptionsAfterFile>& options, const CheckContext& context,
                             Findings& findings) {
    EntryAnalysis analysis;
    analysis.report.code = record.language;
    std::map<std::string, std::size_t> ordinals;
    std::map<std::string, std::size_t> firstWithTitle;
    for (const RecordedSection& recorded : record.entrySections) {
        const FileContext* file = context.File(recorded.path);
        if (file == nullptr) continue;
        const std::size_t ordinal = ordinals[file->name]++;
        if (!recorded.accepted) {
            SectionOutcome outcome = PassedOverOutcome(recorded, *file);
            outcome.file = file->name;
            outcome.ordinal = ordinal;
            outcome.section = recorded.section;
            outcome.language = record.language;
            analysis.outcomes.push_back(std::move(outcome));
            continue;
        }
        analysis.outcomes.push_back(SectionOutcome{file->name, ordinal, recorded.section, record.language, true, {}, {}});

        const OptionsAfterFile* defaults = OptionsAfter(options, file->name);
        EntryChecker checker(recorded, *file, defaults, record.language, findings);
        EntryReport entry;
        entry.position = recorded.position;
        entry.section = file->Where(recorded.section);
        entry.stored = state.SearchEntries->at(recorded.position);
        entry.read = recorded.entry;
        entry.title = checker.FieldOrigin("TITLE");
        entry.url = checker.FieldOrigin("URL");
        entry.encode = checker.FieldOrigin("ENCODE");
        entry.navigator = checker.FieldOrigin("NAVIGATOR");
        entry.clipboard = checker.FieldOrigin("CLIPBOARD");
        entry.trim = checker.FieldOrigin("TRIM");
        entry.pattern = checker.FieldOrigin("REGEXP");
        checker.CheckKeys();
        checker.CheckTexts(entry.stored);
        checker.CheckEncode();

        const std::string title = entry.stored.Title.Str();
        const auto [first, isNew] = firstWithTitle.emplace(title, analysis.report.entries.size());
        if (!isNew) {
            const EntryReport& earlier = analysis.report.entries[first->second];
            findings.Add(Severity::Warning, "duplicate-title", entry.title.where,
                         "item " + std::to_string(entry.position) + " has the same title as item " +
                             std::to_string(earlier.position) + " ([" + earlier.section.section + "] of " +
                             earlier.section.file + "): the menu shows two items alike",
                         {record.language});
        }
        analysis.report.entries.push_back(std::move(entry));
    }
    return analysis;
}

}  // namespace qs::check
