// The meter of the work budget, called by PCRE2 before every pattern item.
#include "search/MatchBudget.h"

namespace qs {

int ChargeStep(pcre2_callout_block* block, void* data) {
    WorkMeter& meter = *static_cast<WorkMeter*>(data);
    const PCRE2_SIZE position = block->current_position;
    const std::uint64_t cost = 1 + (position > meter.lastPosition ? position - meter.lastPosition : 0);
    meter.lastPosition = position;
    if (cost > meter.remaining) return PCRE2_ERROR_MATCHLIMIT;
    meter.remaining -= cost;
    meter.spent += cost;
    return 0;
}

}  // namespace qs
