// The "OPTION" sections: each key a file gives replaces the value held before, unless it does
// not parse, in which case the value held before stays without a word from the plug-in.
#include "tools/check/OptionsAnalysis.h"

#include "config/IniInteger.h"
#include "shortcut/MyShortcut.h"
#include "tools/check/Wording.h"

namespace qs::check {

namespace {

const char* const OptionSection = "OPTION";

Origin* OriginOf(OptionsAfterFile& options, const std::string& key) {
    if (key == "ENCODE") return &options.encode;
    if (key == "NAVIGATOR") return &options.navigator;
    if (key == "CLIPBOARD") return &options.clipboard;
    if (key == "TRIM") return &options.trim;
    if (key == "CTRLMENU") return &options.ctrlMenu;
    if (key == "BEEP") return &options.beep;
    return &options.shortcut;
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
    Origin* origin = OriginOf(after, option.key);
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

}  // namespace

const Origin& OptionOrigin(const OptionsAfterFile& options, const std::string& key) {
    return *OriginOf(const_cast<OptionsAfterFile&>(options), key);
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
        timeline.push_back(after);
        current = std::move(after);
    }
    if (!timeline.empty() && timeline.back().shortcutCode == 0) {
        const OptionsAfterFile& last = timeline.back();
        const std::string& text = last.values.Shortcut;
        findings.Add(Severity::Warning, "shortcut-names-no-key", last.shortcut.where,
                     text.empty() ? "SHORTCUT is empty: no shortcut is registered, and the first entry runs from the "
                                    "menu only"
                                  : "SHORTCUT=" + text +
                                        " names no key, so no shortcut works; write modifiers Maj+ Ctrl+ Alt+ (or ^) "
                                        "and a key name as this system names it, such as Ctrl+F10, with no spaces");
    }
    return timeline;
}

}  // namespace qs::check
