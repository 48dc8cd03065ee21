// The work budget of one search of a selection, and the meter that charges it.
//
// PCRE2's match limit counts the work of one start position and starts again at the next, so
// on its own it lets a search cost (text length) x (limit), which for a long selection is
// enough to freeze the host's menu. The meter bounds the whole search instead: compiled with
// automatic callouts, PCRE2 calls it before every pattern item it tries, and each call is
// charged one unit plus the number of bytes the matcher has moved forward since the previous
// call (a repeat such as \d+ may scan many bytes between two callouts). When the budget is
// spent the match stops with an error, which the filter reports as "no match".
#pragma once
#include <pcre2.h>

#include <cstddef>
#include <cstdint>

namespace qs {

// Far more than any reasonable pattern needs on a short selection, still a fraction of a
// second when a pattern backtracks without end.
constexpr std::uint64_t kBaseBudget = 200000;
constexpr std::uint64_t kBudgetPerByte = 64;

// The units one search of a text of that length may spend.
constexpr std::uint64_t SearchBudget(std::size_t textLength) {
    return kBaseBudget + kBudgetPerByte * static_cast<std::uint64_t>(textLength);
}

struct WorkMeter {
    std::uint64_t remaining = 0;
    std::uint64_t spent = 0;
    PCRE2_SIZE lastPosition = 0;
};

// The callout function; its data is a WorkMeter.
int ChargeStep(pcre2_callout_block* block, void* meter);

}  // namespace qs
