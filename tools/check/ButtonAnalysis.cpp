// Button sections of both files, compared key by key through the plug-in's reader.
#include "tools/check/ButtonAnalysis.h"

#include <algorithm>

#include "config/IniFile.h"
#include "config/IniInteger.h"
#include "config/LoadObserver.h"
#include "tools/check/SectionRules.h"

namespace qs::check {

namespace {

const char* const ButtonKeyNames[] = {"iLieu", "iPosition", "iNumIcone"};

std::string Describe(const KeyText& text) { return text.present ? "written " + Quoted(text.text) : "absent"; }

}  // namespace

std::vector<ButtonSection> AnalyzeButtons(const CheckContext& context, Findings& findings) {
    std::vector<std::string> names;
    for (const FileContext& file : context.files) {
        if (!file.exists) continue;
        for (const ScannedSection& section : file.scan.sections) {
            const bool known = std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SameName(n, section.name); });
            if (IsButtonSectionName(section.name) && !known) names.push_back(section.name);
        }
    }
    std::vector<ButtonSection> buttons;
    for (const std::string& name : names) {
        ButtonSection button{name, {}};
        for (const char* key : ButtonKeyNames) {
            KeyText texts[2];
            for (std::size_t i = 0; i < context.files.size() && i < 2; ++i) {
                const FileContext& file = context.files[i];
                if (!file.exists) continue;
                texts[i] = ReadKeyText(IniFile(file.path), name, key);
                if (!texts[i].present) continue;
                const Location where = file.Where(name, key);
                button.keys.push_back(ButtonKey{file.name, key, texts[i].text, where.line});
                if (!ParseIniInteger(texts[i].text)) {
                    findings.Add(Severity::Warning, "value-not-integer", where,
                                 std::string(key) + "=" + texts[i].text + " is not an integer, so the default applies");
                }
            }
            if (texts[0].present == texts[1].present && texts[0].text == texts[1].text) continue;
            for (std::size_t i = 0; i < 2; ++i) {
                if (!texts[i].present) continue;
                const FileContext& file = context.files[i];
                const FileContext& other = context.files[1 - i];
                const std::string otherState =
                    other.exists ? "in " + other.name + " it is " + Describe(texts[1 - i]) : other.name + " does not exist";
                const std::string when = i == 0 ? "when the host asked for the plug-in's name after Init"
                                                 : "when Init ran after the host asked for the plug-in's name";
                findings.Add(Severity::Warning, "button-keys-not-read", file.Where(name, key),
                             "[" + name + "] " + key + " is read from " + file.name + " only " + when +
                                 ": the button keys come from the configuration file named last, and " + otherState +
                                 "; write the same button sections in both files");
            }
        }
        buttons.push_back(std::move(button));
    }
    return buttons;
}

}  // namespace qs::check
