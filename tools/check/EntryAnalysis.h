// The search entries of one language: the menu with the origin of every field, and what in an
// entry does not do what it seems to.
#pragma once
#include <vector>

#include "plugin/PluginBase.h"
#include "tools/check/CheckContext.h"
#include "tools/check/LoadRecord.h"

namespace qs::check {

// Whether one "SEARCH_" section gave an entry in one language, and if not, why.
struct SectionOutcome {
    std::string file;
    std::size_t ordinal = 0;  // among the "SEARCH_" sections of its file, which the same in every language
    std::string section;
    std::string language;
    bool accepted = false;
    std::string reason;  // when not accepted
    Location missing;    // the key that would have given the missing value
};

struct EntryAnalysis {
    LanguageReport report;
    std::vector<SectionOutcome> outcomes;
};

// state: what the load of record filled.
EntryAnalysis AnalyzeEntries(const LoadRecord& record, const PluginState& state,
                             const std::vector<OptionsAfterFile>& options, const CheckContext& context,
                             Findings& findings);

}  // namespace qs::check
