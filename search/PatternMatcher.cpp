// Compiles a translated pattern and searches one text, within the work budget of
// search/MatchBudget.h. The meter that enforces the budget costs a callout before every
// pattern item, which makes a search many times slower; a pattern whose work is bounded well
// inside the budget (search/PatternCost.h) cannot be stopped by it and runs without. And a
// text that lacks a run of bytes every match needs (search/PatternLiteral.h) is refused after
// one fast scan, before anything is compiled.
#include "search/PatternMatcher.h"

#include <algorithm>
#include <cstdint>

#include "search/CharacterTables.h"
#include "search/LiteralSearch.h"
#include "search/MatchBudget.h"
#include "search/PatternCompile.h"
#include "search/PatternCost.h"
#include "search/PatternLiteral.h"
#include "search/PatternTree.h"
#include "search/Pcre2Handles.h"

namespace qs {

namespace {

// Heap for the interpreter's backtracking frames, in KiB. A group repeated once per byte, as
// in ^(\w| )+$, keeps up to about 500 bytes of frames per byte of text on a 64-bit build
// (half that on 32 bits). The cap keeps the host's address space for the host, and bounds the
// time spent filling it: PCRE2 needs about half a second to grow its frames to 64 MiB.
constexpr std::uint64_t kBaseHeapKiB = 16 * 1024;
constexpr std::uint64_t kHeapBytesPerTextByte = 512;
constexpr std::uint64_t kMaximumHeapKiB = 64 * 1024;
// Below this length compiling the JIT costs more than it saves (see bench/FilterBench.cpp).
constexpr std::size_t kJitMinimumLength = 8 * 1024;
// An anchored pattern is mostly settled within the first bytes of the text. The interpreter
// tries that much work first (PCRE2's match limit, or units of the meter), about what
// compiling the JIT would cost; the JIT searches again only beyond it.
constexpr std::uint32_t kInterpreterTrial = 500;

std::uint32_t Clamp32(std::uint64_t value) {
    return value > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(value);
}

bool IsAnchored(const pcre2_code* code) {
    std::uint32_t options = 0;
    return pcre2_pattern_info(code, PCRE2_INFO_ALLOPTIONS, &options) == 0 && (options & PCRE2_ANCHORED) != 0;
}

}  // namespace

bool MatchTranslatedPattern(const std::string& pcre2Pattern, const std::string& text, MatchEngine engine,
                            Metering metering) {
    // The translator turns case-insensitive matching on with "(?i)" and no other way.
    const bool ignoresCase = metering == Metering::Always || pcre2Pattern.find("(?i)") != std::string::npos;
    const CharacterTables tables = BuildCharacterTables(ignoresCase ? LetterCase::FromPlatform : LetterCase::Omitted);
    const std::uint64_t budget = SearchBudget(text.size());
    bool metered = true;
    if (metering == Metering::WhereNeeded) {
        const auto alternatives = pattern::ReadTranslatedPattern(pcre2Pattern, tables);
        if (alternatives) {
            // A text without a run of bytes that every match contains cannot match.
            if (!ContainsLiteral(text, pattern::RequiredLiteral(*alternatives))) return false;
            const std::optional<SearchWorkBound> bound = BoundSearchWork(*alternatives);
            metered = !bound || bound->Units(text.size()) > static_cast<double>(budget);
        }
    }
    const pcre2::Code code = CompilePattern(pcre2Pattern, tables, metered);
    if (!code) return false;

    pcre2::MatchContext context(pcre2_match_context_create(nullptr));
    pcre2::MatchData data(pcre2_match_data_create(1, nullptr));
    if (!context || !data) return false;
    WorkMeter meter;
    if (metered) pcre2_set_callout(context.get(), ChargeStep, &meter);
    // PCRE2's own limits, per start position, stay as a second guard and bound the memory.
    pcre2_set_depth_limit(context.get(), Clamp32(budget));
    const std::uint64_t heapKiB = std::min(kBaseHeapKiB + kHeapBytesPerTextByte * text.size() / 1024, kMaximumHeapKiB);
    pcre2_set_heap_limit(context.get(), Clamp32(heapKiB));

    // `work`: the units of the meter, or without it PCRE2's match limit.
    const auto run = [&](std::uint64_t work, std::uint32_t options) {
        meter = WorkMeter{work, 0, 0};
        pcre2_set_match_limit(context.get(), Clamp32(metered ? budget : work));
        return pcre2_match(code.get(), reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, options, data.get(),
                           context.get());
    };

    const bool jit =
        engine == MatchEngine::Jit || (engine == MatchEngine::Automatic && text.size() >= kJitMinimumLength);
    if (jit && engine == MatchEngine::Automatic && IsAnchored(code.get())) {
        const int result = run(kInterpreterTrial, 0);
        if (result != PCRE2_ERROR_MATCHLIMIT) return result >= 0;
    }
    if (jit) pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);  // without it the interpreter runs

    int result = run(budget, 0);
    // The JIT's small stack runs out on deep backtracking, where the interpreter's heap frames
    // (bounded above) still serve.
    if (result == PCRE2_ERROR_JIT_STACKLIMIT) result = run(budget, PCRE2_NO_JIT);
    return result >= 0;
}

}  // namespace qs
