// Each kind of mistake, made once in the sample configuration (or in a small file of its own),
// must give a problem that names its file, section, key and line.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "tests/support/PluginFolder.h"
#include "tools/check/FolderCheck.h"

namespace {

using qs::check::Diagnostic;
using qs::check::Severity;

const char* const Main = "Quickseek.ini";
const char* const Personal = "Quickseek_MY.ini";

struct Mistake {
    const char* name;
    const char* file;     // the file edited
    std::string find;     // replaced by `replace` at its first place; empty: `replace` is appended
    std::string replace;
    Severity severity;
    const char* code;
    const char* section;
    std::string key;
    std::string line;     // text of the line the problem must point at, in the edited file
};

std::string Repeat(const std::string& text, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += text;
    return out;
}

const std::string WebUrl = "fr_URL=https://duckduckgo.com/?q=%1";
const std::string IsbnPattern = "fr_REGEXP=^(97[89]-?)?([0-9]-?){9}[0-9Xx]$";

const Mistake Mistakes[] = {
    {"switch written as a word", Main, "NAVIGATOR=1", "NAVIGATOR=true", Severity::Warning, "value-not-integer",
     "OPTION", "NAVIGATOR", "NAVIGATOR=true"},
    {"encoding written as a word", Main, "ENCODE=2", "ENCODE=two", Severity::Warning, "value-not-integer", "OPTION",
     "ENCODE", "ENCODE=two"},
    {"option encoding out of range", Main, "ENCODE=2", "ENCODE=3", Severity::Warning, "encode-out-of-range",
     "OPTION", "ENCODE", "ENCODE=3"},
    {"entry switch written as a word", Main, "fr_NAVIGATOR=0", "fr_NAVIGATOR=off", Severity::Warning,
     "value-not-integer", "SEARCH_COPY", "fr_NAVIGATOR", "fr_NAVIGATOR=off"},
    {"entry encoding out of range", Main, "[SEARCH_MAPS]", "[SEARCH_MAPS]\nfr_ENCODE=7", Severity::Warning,
     "encode-out-of-range", "SEARCH_MAPS", "fr_ENCODE", "fr_ENCODE=7"},
    {"shortcut naming no key", Personal, "SHORTCUT=Ctrl+Alt+F10", "SHORTCUT=Ctrl+Alt+Fx", Severity::Warning,
     "shortcut-names-no-key", "OPTION", "SHORTCUT", "SHORTCUT=Ctrl+Alt+Fx"},
    {"shortcut that a later file replaces", Main, "SHORTCUT=Ctrl+F10", "SHORTCUT=Ctrl+Fx", Severity::Warning,
     "shortcut-names-no-key", "OPTION", "SHORTCUT", "SHORTCUT=Ctrl+Fx"},
    {"shortcut with spaces", Personal, "SHORTCUT=Ctrl+Alt+F10", "SHORTCUT=Ctrl + F10", Severity::Warning,
     "shortcut-names-no-key", "OPTION", "SHORTCUT", "SHORTCUT=Ctrl + F10"},
    {"title beyond 100 characters", Main, "en_TITLE=Search the web", "en_TITLE=" + Repeat("Search ", 20),
     Severity::Warning, "title-cut", "SEARCH_WEB", "en_TITLE", "en_TITLE="},
    {"URL beyond 255 characters", Main, WebUrl, WebUrl + "&t=" + Repeat("a", 260), Severity::Warning, "url-cut",
     "SEARCH_WEB", "fr_URL", "fr_URL="},
    {"URL cut before its %1", Main, WebUrl, "fr_URL=https://duckduckgo.com/?" + Repeat("a=b&", 64) + "q=%1",
     Severity::Error, "url-lost-placeholder", "SEARCH_WEB", "fr_URL", "fr_URL="},
    {"URL without %1", Main, WebUrl, "fr_URL=https://duckduckgo.com/", Severity::Warning, "url-without-placeholder",
     "SEARCH_WEB", "fr_URL", "fr_URL="},
    {"pattern beyond 255 characters", Main, IsbnPattern, "fr_REGEXP=" + Repeat("[0-9]", 52), Severity::Warning,
     "pattern-cut", "SEARCH_ISBN", "fr_REGEXP", "fr_REGEXP=[0-9]"},
    {"pattern the filter refuses", Main, IsbnPattern, "fr_REGEXP=^(97[89]-?)?([0-9]-?{9}[0-9Xx]$", Severity::Error,
     "pattern-refused", "SEARCH_ISBN", "fr_REGEXP", "fr_REGEXP=^(97[89]-?)?([0-9]-?{9}"},
    {"selection as the whole address", Main, "[SEARCH_CODE]",
     "[SEARCH_RUN]\nfr_TITLE=Run\nfr_URL=%1\nfr_ENCODE=0\n[SEARCH_CODE]", Severity::Warning,
     "selection-decides-scheme", "SEARCH_RUN", "fr_URL", "fr_URL=%1"},
    {"selection before the scheme", Main, "[SEARCH_CODE]",
     "[SEARCH_PROTOCOL]\nfr_TITLE=Protocol\nfr_URL=%1://example.org/\n[SEARCH_CODE]", Severity::Warning,
     "selection-decides-scheme", "SEARCH_PROTOCOL", "fr_URL", "fr_URL=%1://"},
    {"description in the personal file", Personal, "", "[DESCRIPTION]\nen_NAME=Mine\n", Severity::Warning,
     "description-in-personal-file", "DESCRIPTION", "", "[DESCRIPTION]"},
    {"button keys in one file only", Main, "", "[Button2]\niLieu=0\n", Severity::Warning, "button-keys-not-read",
     "Button2", "iLieu", "iLieu=0"},
    {"button switch written as a word", Main, "", "[Button1]\niLieu=yes\n", Severity::Warning, "value-not-integer",
     "Button1", "iLieu", "iLieu=yes"},
    {"two entries with one title", Main, "en_TITLE=Dictionary", "en_TITLE=Search the web", Severity::Warning,
     "duplicate-title", "SEARCH_DICTIONARY", "en_TITLE", "en_TITLE=Search the web\nen_URL"},
    {"section name in lower case", Main, "[SEARCH_MAPS]", "[search_maps]", Severity::Error, "section-name-not-entry",
     "search_maps", "", "[search_maps]"},
    {"section name in mixed case", Main, "[SEARCH_MAPS]", "[Search_Maps]", Severity::Error, "section-name-not-entry",
     "Search_Maps", "", "[Search_Maps]"},
    {"section name without underscore", Main, "[SEARCH_MAPS]", "[SEARCHMAPS]", Severity::Error,
     "section-name-not-entry", "SEARCHMAPS", "", "[SEARCHMAPS]"},
    {"keys without language prefix", Main, "", "[SEARCH_NEWS]\nTITLE=News\nURL=https://news.example/?q=%1\n",
     Severity::Error, "no-entry", "SEARCH_NEWS", "fr_TITLE", "[SEARCH_NEWS]"},
    {"a key without language prefix", Main, "", "[SEARCH_NEWS]\nTITLE=News\nURL=https://news.example/?q=%1\n",
     Severity::Warning, "key-without-language-prefix", "SEARCH_NEWS", "URL", "URL=https://news"},
    {"an empty French title", Main, "fr_TITLE=Rechercher sur le web", "fr_TITLE=", Severity::Warning,
     "no-entry-in-language", "SEARCH_WEB", "fr_TITLE", "fr_TITLE="},
    {"English keys only", Main, "", "[SEARCH_NEWS]\nen_TITLE=News\nen_URL=https://news.example/?q=%1\n",
     Severity::Warning, "no-entry-in-language", "SEARCH_NEWS", "fr_TITLE", "[SEARCH_NEWS]"},
    {"language prefix of more than two letters", Main, "en_TITLE=Show on a map", "english_TITLE=Show on a map",
     Severity::Warning, "bad-language-prefix", "SEARCH_MAPS", "english_TITLE", "english_TITLE="},
    {"misspelt entry key", Main, "fr_URL=https://www.openstreetmap.org", "fr_URI=https://www.openstreetmap.org",
     Severity::Warning, "unknown-key", "SEARCH_MAPS", "fr_URI", "fr_URI="},
    {"misspelt option", Main, "BEEP=1", "BEEPS=1", Severity::Warning, "unknown-key", "OPTION", "BEEPS", "BEEPS=1"},
    {"misspelt section", Main, "[OPTION]", "[OPTIONS]", Severity::Warning, "unknown-section", "OPTIONS", "",
     "[OPTIONS]"},
    {"section written twice", Main, "", "[SEARCH_WEB]\nfr_TITLE=Again\n", Severity::Warning, "section-written-twice",
     "SEARCH_WEB", "", "[SEARCH_WEB]\nfr_TITLE=Again"},
    {"key written twice", Main, WebUrl, WebUrl + "\nfr_URL=https://example.org/?q=%1", Severity::Warning,
     "key-written-twice", "SEARCH_WEB", "fr_URL", "fr_URL=https://example.org"},
    {"key without equals sign", Main, WebUrl, "fr_URL https://duckduckgo.com/?q=%1", Severity::Warning,
     "key-without-equals", "SEARCH_WEB", "fr_URL", "fr_URL https"},
    {"language value equal to the default", Main, "[SEARCH_MAPS]", "[SEARCH_MAPS]\nen_ENCODE=2\nfr_ENCODE=0",
     Severity::Warning, "fallback-overrides-default-value", "SEARCH_MAPS", "en_ENCODE", "en_ENCODE=2"},
    {"empty language value", Main, IsbnPattern, "en_REGEXP=\n" + IsbnPattern, Severity::Warning,
     "fallback-overrides-empty-value", "SEARCH_ISBN", "en_REGEXP", "en_REGEXP="},
    {"empty display name", Main, "en_NAME=Quickseek web search", "en_NAME=", Severity::Warning, "empty-display-name",
     "DESCRIPTION", "en_NAME", "en_NAME="},
    {"display name without language prefix", Main, "en_NAME=Quickseek web search", "NAME=Quickseek",
     Severity::Warning, "key-without-language-prefix", "DESCRIPTION", "NAME", "NAME=Quickseek"},
};

class SampleWithMistake : public ::testing::TestWithParam<Mistake> {};

std::string Edit(std::string text, const Mistake& mistake) {
    if (mistake.find.empty()) return text + "\n" + mistake.replace;
    const std::size_t at = text.find(mistake.find);
    if (at == std::string::npos) ADD_FAILURE() << "the sample has no " << mistake.find;
    return at == std::string::npos ? text : text.replace(at, mistake.find.size(), mistake.replace);
}

// The number of the first line that begins with `line`.
int LineOf(const std::string& text, const std::string& line) {
    const std::size_t at = ("\n" + text).find("\n" + line);
    if (at == std::string::npos) return -1;
    int number = 1;
    for (std::size_t i = 0; i < at; ++i) number += text[i] == '\n';
    return number;
}

std::string Describe(const std::vector<Diagnostic>& diagnostics) {
    std::string text;
    for (const Diagnostic& d : diagnostics)
        text += "  " + d.code + " " + d.where.file + ":" + std::to_string(d.where.line) + " [" + d.where.section + "] " +
                d.where.key + ": " + d.message + "\n";
    return text;
}

TEST_P(SampleWithMistake, NamesFileSectionKeyAndLine) {
    const Mistake& mistake = GetParam();
    qs_test::PluginFolder folder(false);
    std::string edited;
    for (const char* name : {Main, Personal}) {
        std::string text = qs_test::ReadFile(qs_test::SourceFile(std::string("examples/") + name));
        if (name == std::string(mistake.file)) edited = text = Edit(text, mistake);
        folder.Write(name, text);
    }
    const qs::check::CheckReport report = qs::check::CheckFolder({folder.Path(), {}, std::nullopt});
    ASSERT_EQ(report.fatal, "");
    const Diagnostic* found = nullptr;
    for (const Diagnostic& diagnostic : report.diagnostics)
        if (diagnostic.code == mistake.code && diagnostic.where.section == mistake.section) found = &diagnostic;
    ASSERT_NE(found, nullptr) << "no " << mistake.code << " in [" << mistake.section << "] among\n"
                              << Describe(report.diagnostics);
    EXPECT_EQ(found->severity, mistake.severity);
    EXPECT_EQ(found->where.file, mistake.file);
    EXPECT_EQ(found->where.key, mistake.key);
    EXPECT_EQ(found->where.line, LineOf(edited, mistake.line)) << found->message;
    EXPECT_FALSE(found->message.empty());
    EXPECT_EQ(report.ExitCode(), mistake.severity == Severity::Error ? 2 : report.Count(Severity::Error) ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(EachMistake, SampleWithMistake, ::testing::ValuesIn(Mistakes),
                         [](const ::testing::TestParamInfo<Mistake>& mistake) {
                             std::string name;
                             for (const char* c = mistake.param.name; *c; ++c)
                                 name += (std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_');
                             return name;
                         });

TEST(Diagnostics, APatternRefusalSaysWhyAndWhere) {
    qs_test::PluginFolder folder(false);
    folder.Write(Main, "[SEARCH_ZIP]\nfr_TITLE=Zip\nfr_URL=https://example.org/?zip=%1\nfr_REGEXP=^\\d{5$|(?:x)\n");
    const qs::check::CheckReport report = qs::check::CheckFolder({folder.Path(), {"fr"}, std::nullopt});
    ASSERT_EQ(report.diagnostics.size(), 1u) << Describe(report.diagnostics);
    const Diagnostic& refused = report.diagnostics[0];
    EXPECT_EQ(refused.code, "pattern-refused");
    EXPECT_EQ(refused.pattern, "^\\d{5$|(?:x)");
    EXPECT_EQ(refused.position, 7u);  // "{5$" is a literal brace; "(?:" is no form of the language
    EXPECT_NE(refused.message.find("(?:"), std::string::npos) << refused.message;
}

// The plug-in lists section names in 16384 bytes; the sections beyond are never read.
TEST(Diagnostics, SectionsBeyondTheListOfNames) {
    qs_test::PluginFolder folder(false);
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "[SEARCH_" + std::to_string(100000 + i) + "_LONG_NAME]\nfr_TITLE=t\nfr_URL=u%1\n";
    folder.Write(Main, text);
    const qs::check::CheckReport report = qs::check::CheckFolder({folder.Path(), {"fr"}, std::nullopt});
    std::vector<const Diagnostic*> beyond;
    for (const Diagnostic& diagnostic : report.diagnostics)
        if (diagnostic.code == "section-beyond-list") beyond.push_back(&diagnostic);
    ASSERT_EQ(beyond.size(), 1u);
    const std::size_t seen = report.languages.at(0).entries.size();
    EXPECT_LT(seen, 1000u);
    EXPECT_EQ(beyond[0]->where.section, "SEARCH_" + std::to_string(100000 + seen) + "_LONG_NAME");
    EXPECT_EQ(report.ExitCode(), 2);
}

// A problem that each language shows alike is told once, for no language in particular; one
// that a language shows alone names it.
TEST(Diagnostics, ProblemsOfEveryLanguageAreToldOnce) {
    qs_test::PluginFolder folder(false);
    folder.Write(Main, "[SEARCH_A]\nen_TITLE=A\nde_TITLE=A\nfr_TITLE=A\nfr_URL=https://a.example/\n"
                       "[SEARCH_B]\nfr_TITLE=B\nfr_URL=https://b.example/?q=%1\nen_URL=https://b.example/\n");
    const qs::check::CheckReport report = qs::check::CheckFolder({folder.Path(), {}, std::nullopt});
    ASSERT_EQ(report.languages.size(), 3u);  // de, en, fr
    std::vector<std::vector<std::string>> languages;
    for (const Diagnostic& diagnostic : report.diagnostics)
        if (diagnostic.code == "url-without-placeholder") languages.push_back(diagnostic.languages);
    EXPECT_EQ(languages, (std::vector<std::vector<std::string>>{{}, {"en"}}));
}

}  // namespace
