// The compile settings every test of a selection uses.
#include "search/PatternCompile.h"

#include <cstdint>

namespace qs {

pcre2::Code CompilePattern(const std::string& pcre2Pattern, const CharacterTables& tables, bool metered) {
    pcre2::CompileContext context(pcre2_compile_context_create(nullptr));
    if (!context) return nullptr;
    pcre2_set_character_tables(context.get(), tables.data());
    // No newline convention reaches the meaning of a translated pattern (^ $ and the dot are
    // spelled out); LF keeps PCRE2 from skipping the start position between CR and LF.
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
    const std::uint32_t options = PCRE2_DOTALL | PCRE2_NEVER_UTF | PCRE2_NEVER_UCP | PCRE2_NEVER_BACKSLASH_C |
                                  (metered ? PCRE2_AUTO_CALLOUT : 0u);
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    return pcre2::Code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pcre2Pattern.data()), pcre2Pattern.size(), options,
                                     &errorCode, &errorOffset, context.get()));
}

}  // namespace qs
