// The "OPTION" sections: each key a file gives replaces the value held before, unless it does
// not parse, in which case the value held before stays without a word from the plug-in.
#include "tools/check/OptionsAnalysis.h"

#include "config/IniInteger.h"
#include "shortcut/MyShortcut.h"
#include "tools/check/Wording.h"

namespace qs::check {

namespace {

const char* const OptionSection = "OPTION";

Origin OptionsAfterFile::*OriginMember(const std::string& key) {
    if (key == "ENCODE") return &OptionsAfterFile::encode;
    if (key == "NAVIGATOR") return &OptionsAfterFile::navigator;
    if (key == "CLIPBOARD") return &OptionsAfterFile::clipboard;
    if (key == "TRIM") return &OptionsAfterFile::trim;
    if (key == "CTRLMENU") return &OptionsAfterFile::ctrlMenu;
    if (key == "BEEP") return &OptionsAfterFile::beep;
    return &OptionsAfterFile::shortcut;
}

std::string ValueHeldBefore(const OptionsAfterFile& before, const std::string& key) {
    const TPluginOptions& values = before.values;
    if (key == "ENCODE") return std::to_string(values.Encode);
    if (key == "NAVIGATOR") return OnOff(values.Navigator);
    if (key == "CLIPBOARD") return OnOff(values.Clipboard);
    if (key == "TRIM") return OnOff(values.Trim);
    if (key == "CTRLMENU") return OnOff(values.CtrlMenu);
    return OnOff(values.BeepOnFailure);
}

void CheckOptionKey(const FileContext& file, const RecordedOptionKey& option, const OptionsAfterFile& before,
                    OptionsAfterFile& after, Findings& findings) {
    if (!option.text.present) return;
    const Location where = file.Where(OptionSection, option.key);
    Origin* origin = &(after.*OriginMember(option.key));
    if (option.key == "SHORTCUT") {
        *origin = Origin{Origin::Key, where};
        return;
    }
    const std::optional<std::int32_t> value = ParseIniInteger(option.text.text);
    if (!value) {
        const bool isBoolean = option.key != "ENCODE";
        findings.Add(Severity::Warning, "value-not-integer", where,
                     option.key + "=" + option.text.text + " is not an integer" +
                         (isBoolean ? " (a switch is written 1 for on or 0 for off)" : "") + ", so " + option.key +
                         " keeps the value it held before: " + ValueHeldBefore(before, option.key) +
                         (before.file.empty() ? " (built-in)" : ""));
        return;
    }
    *origin = Origin{Origin::Key, where};
    if (option.key == "ENCODE" && (*value < EncodeNone || *value > EncodeUtf8Url)) {
        findings.Add(Severity::Warning, "encode-out-of-range", where,
                     "ENCODE=" + option.text.text + " is none of 0, 1 and 2: it acts as 0, no encoding at all");
    }
}

// Every SHORTCUT a file writes that names no key: the one in force registers no shortcut, an
// earlier one would as soon as the later file no longer replaced it.
void CheckShortcuts(const std::vector<OptionsAfterFile>& timeline, Findings& findings) {
    for (std::size_t i = 0; i < timeline.size(); ++i) {
        const OptionsAfterFile& after = timeline[i];
        const bool written = after.shortcut.kind == Origin::Key && after.shortcut.where.file == after.file;
        if (!written || after.shortcutCode != 0) continue;
        const std::string& text = after.values.Shortcut;
        std::string message =
            text.empty() ? "SHORTCUT is empty, so no shortcut is registered: the first entry runs from the menu only"
                         : "SHORTCUT=" + text +
                               " names no key, so no shortcut is registered; write modifiers Maj+ Ctrl+ Alt+ (or ^) "
                               "and a key name as this system names it, such as Ctrl+F10, with no spaces";
        const OptionsAfterFile& last = timeline.back();
        if (&last != &after && last.shortcut.where.file != after.file) {
            message += " (for now " + last.file + " replaces it with " + Quoted(last.values.Shortcut) + ")";
        }
        findings.Add(Severity::Warning, "shortcut-names-no-key", after.shortcut.where, std::move(message));
    }
}

}  // namespace

const Origin& OptionOrigin(const OptionsAfterFile& options, const std::string& key) {
    return options.*OriginMember(key);
}

std::vector<OptionsAfterFile> AnalyzeOptions(const LoadRecord& record, const CheckContext& context, Findings& findings) {
    std::vector<OptionsAfterFile> timeline;
    OptionsAfterFile current;  // the built-in options, each of built-in origin
    for (const RecordedFile& recorded : record.files) {
        if (!recorded.exists) continue;
        const FileContext* file = context.File(recorded.path);
        if (file == nullptr) continue;
        OptionsAfterFile after = current;
        after.file = file->name;
        after.values = recorded.after;
        for (const RecordedOptionKey& option : recorded.optionKeys) CheckOptionKey(*file, option, current, after, findings);
        after.shortcutCode = ParseShortcut(after.values.Shortcut);
        after.shortcutKeys = after.shortcutCode ? FormatShortcut(after.shortcutCode) : std::string();
        timeline.push_back(after);
        current = std::move(after);
    }
    CheckShortcuts(timeline, findings);
    return timeline;
}

}  // namespace qs::check
