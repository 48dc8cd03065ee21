// Compiles a translated pattern with the filter's fixed settings and searches one text,
// within a work budget that grows linearly with the text's length.
//
// Why a callout budget: PCRE2's match limit counts the work of one start position and starts
// again at the next, so on its own it lets a search cost (text length) x (limit), which for a
// long selection is enough to freeze the host's menu. With automatic callouts PCRE2 calls
// ChargeStep before every pattern item it tries, and each call is charged one unit plus the
// number of bytes the matcher has moved forward since the previous call (a repeat such as
// \d+ may scan many bytes between two callouts). When the budget is spent the match stops
// with an error, which the filter reports as "no match".
#include "search/PatternMatcher.h"

#include <cstdint>

#include "search/CharacterTables.h"
#include "search/Pcre2Handles.h"

namespace qs {

namespace {

// Far more than any reasonable pattern needs on a short selection, still a fraction of a
// second when a pattern backtracks without end.
constexpr std::uint64_t kBaseBudget = 200000;
constexpr std::uint64_t kBudgetPerByte = 64;
// Heap for the interpreter's backtracking frames, in KiB. A group repeated once per byte, as
// in ^(\w| )+$, keeps up to about 500 bytes of frames per byte of text on a 64-bit build
// (half that on 32 bits). The cap keeps the host's address space for the host, and bounds the
// time spent filling it: PCRE2 needs about half a second to grow its frames to 64 MiB.
constexpr std::uint64_t kBaseHeapKiB = 16 * 1024;
constexpr std::uint64_t kHeapBytesPerTextByte = 512;
constexpr std::uint64_t kMaximumHeapKiB = 64 * 1024;
// Below this length compiling the JIT costs more than it saves (see bench/FilterBench.cpp).
constexpr std::size_t kJitMinimumLength = 8 * 1024;

std::uint32_t Clamp32(std::uint64_t value) {
    return value > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(value);
}

struct Budget {
    std::uint64_t remaining = 0;
    PCRE2_SIZE lastPosition = 0;
};

int ChargeStep(pcre2_callout_block* block, void* data) {
    Budget& budget = *static_cast<Budget*>(data);
    const PCRE2_SIZE position = block->current_position;
    const std::uint64_t cost = 1 + (position > budget.lastPosition ? position - budget.lastPosition : 0);
    budget.lastPosition = position;
    if (cost > budget.remaining) return PCRE2_ERROR_MATCHLIMIT;
    budget.remaining -= cost;
    return 0;
}

// The compiled code points to the tables: they must outlive it.
pcre2::Code Compile(const std::string& pcre2Pattern, const CharacterTables& tables) {
    pcre2::CompileContext context(pcre2_compile_context_create(nullptr));
    if (!context) return nullptr;
    pcre2_set_character_tables(context.get(), tables.data());
    // No newline convention reaches the meaning of a translated pattern (^ $ and the dot are
    // spelled out); LF keeps PCRE2 from skipping the start position between CR and LF.
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
    const std::uint32_t options =
        PCRE2_DOTALL | PCRE2_AUTO_CALLOUT | PCRE2_NEVER_UTF | PCRE2_NEVER_UCP | PCRE2_NEVER_BACKSLASH_C;
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    return pcre2::Code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pcre2Pattern.data()), pcre2Pattern.size(), options,
                                     &errorCode, &errorOffset, context.get()));
}

}  // namespace

bool MatchTranslatedPattern(const std::string& pcre2Pattern, const std::string& text, MatchEngine engine) {
    const CharacterTables tables = BuildCharacterTables();
    const pcre2::Code code = Compile(pcre2Pattern, tables);
    if (!code) return false;
    const bool jit =
        engine == MatchEngine::Jit || (engine == MatchEngine::Automatic && text.size() >= kJitMinimumLength);
    if (jit) pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);  // without it the interpreter runs

    const std::uint64_t budgetUnits = kBaseBudget + kBudgetPerByte * text.size();
    pcre2::MatchContext context(pcre2_match_context_create(nullptr));
    pcre2::MatchData data(pcre2_match_data_create(1, nullptr));
    if (!context || !data) return false;
    Budget budget;
    pcre2_set_callout(context.get(), ChargeStep, &budget);
    // PCRE2's own limits, per start position, stay as a second guard and bound the memory.
    pcre2_set_match_limit(context.get(), Clamp32(budgetUnits));
    pcre2_set_depth_limit(context.get(), Clamp32(budgetUnits));
    const std::uint64_t heapKiB = kBaseHeapKiB + kHeapBytesPerTextByte * text.size() / 1024;
    pcre2_set_heap_limit(context.get(), Clamp32(heapKiB < kMaximumHeapKiB ? heapKiB : kMaximumHeapKiB));

    const auto run = [&](std::uint32_t options) {
        budget = Budget{budgetUnits, 0};
        return pcre2_match(code.get(), reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, options, data.get(),
                           context.get());
    };
    int result = run(0);
    // The JIT's small stack runs out on deep backtracking, where the interpreter's heap frames
    // (bounded above) still serve.
    if (result == PCRE2_ERROR_JIT_STACKLIMIT) result = run(PCRE2_NO_JIT);
    return result >= 0;
}

}  // namespace qs
