// The work bound of a translated pattern.
//
// The meter charges one unit at every callout and one for every byte moved forward. PCRE2's
// automatic callouts come before each item of an alternative and at its end. So, for an item
// or a whole group, two figures bound what happens between entering it and leaving it, over
// every path backtracking can take: `work`, the units charged inside, and `exits`, the number
// of ways it can be left for what follows (each of which may run what follows once more).
// Both are linear functions of the text's length n: a repeat without an upper count may
// scan to the end of the text and leave at every byte it gave back.
//
// Two observations keep the figures close to what typical patterns do:
// - a repeated byte set followed by a byte set it shares no byte with (\d+ then "-", [^ ]+
//   then the end): whatever the repeat gives back is refused by the next item at its first
//   byte, so only one of the repeat's exits gets past that item;
// - alternatives that start with byte sets sharing no byte ("cat|dog"): at a given place in
//   the text only the alternatives whose first byte set holds that byte get past it; the
//   others cost their first callout.
// Over a whole search, the meter also charges the moves from one start position to the next
// (at most a byte's distance more than the text's length in all).
#include "search/PatternCost.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "search/PatternTree.h"

namespace qs {

namespace {

using pattern::Alternative;
using pattern::ByteSet;
using pattern::Item;
using pattern::ItemKind;

// Beyond this a figure is of no use: the pattern is treated as unbounded.
constexpr double kUseless = 1e15;
// A repeated group is unrolled up to this count; beyond it the pattern is treated as unbounded.
constexpr unsigned long kMaximumUnrolled = 256;
// ^ and $ under (?m): a group of three alternatives with look-arounds of one byte each; a
// generous count of its callouts and moves.
constexpr double kLineAnchorWork = 24;

// a + b * n for a text of n bytes.
struct Linear {
    double a = 0;
    double b = 0;
};

Linear Clamp(Linear x) { return {std::min(x.a, kUseless), std::min(x.b, kUseless)}; }
Linear operator+(Linear x, Linear y) { return Clamp({x.a + y.a, x.b + y.b}); }
// A product with n in both factors grows as n squared: useless.
Linear operator*(Linear x, Linear y) {
    if (x.b > 0 && y.b > 0) return {kUseless, kUseless};
    return Clamp({x.a * y.a, x.a * y.b + x.b * y.a});
}
Linear Max(Linear x, Linear y) { return {std::max(x.a, y.a), std::max(x.b, y.b)}; }
bool Useless(Linear x) { return x.a >= kUseless || x.b >= kUseless; }

constexpr Linear kOne{1, 0};
constexpr Linear kTextLength{0, 1};

struct Cost {
    Linear work;
    Linear exits;
};

class Estimator {
public:
    explicit Estimator(const std::vector<Alternative>& alternatives) { RecordGroupLengths(alternatives); }

    Cost Alternatives(const std::vector<Alternative>& alternatives) const {
        std::vector<const Alternative*> all;
        all.reserve(alternatives.size());
        for (const Alternative& alternative : alternatives) all.push_back(&alternative);
        return Alternatives(all);
    }

    Cost Alternatives(const std::vector<const Alternative*>& alternatives) const {
        std::vector<Cost> costs;
        std::vector<const ByteSet*> firsts;
        costs.reserve(alternatives.size());
        firsts.reserve(alternatives.size());
        for (const Alternative* alternative : alternatives) {
            costs.push_back(Sequence(*alternative));
            firsts.push_back(FirstBytes(*alternative));
        }
        const bool allKnown = std::all_of(firsts.begin(), firsts.end(), [](const ByteSet* first) { return first; });
        if (!allKnown) {
            Cost total;
            for (const Cost& cost : costs) total = {total.work + cost.work, total.exits + cost.exits};
            return total;
        }
        // Clusters of alternatives linked by shared first bytes: at one place in the text only
        // the members of one cluster get past their first item.
        std::vector<std::size_t> cluster(alternatives.size());
        std::iota(cluster.begin(), cluster.end(), std::size_t{0});
        const auto root = [&](std::size_t i) {
            while (cluster[i] != i) i = cluster[i];
            return i;
        };
        for (std::size_t i = 0; i < firsts.size(); ++i) {
            for (std::size_t j = i + 1; j < firsts.size(); ++j) {
                if (firsts[i]->SharesAnyWith(*firsts[j])) cluster[root(j)] = root(i);
            }
        }
        Cost worst;
        for (std::size_t r = 0; r < alternatives.size(); ++r) {
            if (root(r) != r) continue;
            Cost members;
            double others = 0;
            for (std::size_t i = 0; i < alternatives.size(); ++i) {
                if (root(i) == r) {
                    members = {members.work + costs[i].work, members.exits + costs[i].exits};
                } else {
                    others += 1;  // the callout before its first item, which refuses the byte
                }
            }
            worst = {Max(worst.work, members.work + Linear{others, 0}), Max(worst.exits, members.exits)};
        }
        return worst;
    }

private:
    // Items in order, a callout before each and one at the end.
    Cost Sequence(const Alternative& alternative) const {
        Linear work;
        Linear entering = kOne;  // paths that arrive at the current item
        Linear ranPrevious = kOne;
        const Item* previous = nullptr;
        for (const Item& item : alternative.items) {
            const Cost cost = ItemCost(item);
            work = work + entering;
            const Linear running = previous && RefusesGivenBack(*previous, item) ? ranPrevious : entering;
            work = work + running * cost.work;
            entering = running * cost.exits;
            ranPrevious = running;
            previous = &item;
        }
        return {work + entering, entering};
    }

    // After a repeat of a byte set, an item that must start with a byte outside that set, or
    // the end of the text, passes on at most one of the repeat's exits.
    static bool RefusesGivenBack(const Item& repeat, const Item& next) {
        if (repeat.kind != ItemKind::Bytes || !repeat.VariableCount()) return false;
        if (next.kind == ItemKind::TextEnd) return true;
        return next.kind == ItemKind::Bytes && next.minimum >= 1 && !repeat.bytes.SharesAnyWith(next.bytes);
    }

    // The byte set an alternative's first byte must come from, when its first item says so.
    static const ByteSet* FirstBytes(const Alternative& alternative) {
        if (alternative.items.empty()) return nullptr;
        const Item& first = alternative.items.front();
        return first.kind == ItemKind::Bytes && first.minimum >= 1 ? &first.bytes : nullptr;
    }

    Cost ItemCost(const Item& item) const {
        switch (item.kind) {
        case ItemKind::Bytes:
            return Repeat(kOne, item);
        case ItemKind::BackReference:
            return Repeat(GroupLength(item.group), item);
        case ItemKind::Group:
            return RepeatedGroup(item);
        case ItemKind::LineAnchor:
            return {Linear{kLineAnchorWork, 0}, kOne};
        case ItemKind::WordBoundary:
        case ItemKind::TextStart:
        case ItemKind::TextEnd:
        case ItemKind::CaseOption:
            break;
        }
        return {Linear{}, kOne};
    }

    // One item that PCRE2 repeats in place: it moves forward over every byte it takes, then
    // gives them back one repeat at a time, leaving once for each count it can stop at.
    static Cost Repeat(Linear length, const Item& item) {
        if (item.unbounded) return {kTextLength, kTextLength + kOne};
        const double counts = static_cast<double>(item.maximum - item.minimum + 1);
        return {length * Linear{static_cast<double>(item.maximum), 0}, Linear{counts, 0}};
    }

    // A repeated group is as many copies of it, those beyond the minimum optional.
    Cost RepeatedGroup(const Item& item) const {
        const Cost once = Alternatives(item.alternatives);
        if (!item.VariableCount() && item.minimum == 1) return once;
        if (item.unbounded || item.maximum > kMaximumUnrolled) return {Linear{kUseless, kUseless}, kOne};
        Linear work;
        Linear entering = kOne;
        for (unsigned long copy = 1; copy <= item.maximum; ++copy) {
            const Linear exits = copy <= item.minimum ? once.exits : once.exits + kOne;
            work = work + entering + entering * once.work;
            entering = entering * exits;
            if (Useless(work) || Useless(entering)) return {Linear{kUseless, kUseless}, kOne};
        }
        return {work, entering};
    }

    // The most bytes each group can match, for its back-references.
    void RecordGroupLengths(const std::vector<Alternative>& alternatives) { LongestOf(alternatives); }

    Linear LongestOf(const std::vector<Alternative>& alternatives) {
        Linear longest;
        for (const Alternative& alternative : alternatives) {
            Linear length;
            for (const Item& item : alternative.items) length = length + Longest(item);
            longest = Max(longest, length);
        }
        return longest;
    }

    Linear Longest(const Item& item) {
        Linear once;
        switch (item.kind) {
        case ItemKind::Bytes: once = kOne; break;
        case ItemKind::BackReference: once = GroupLength(item.group); break;
        case ItemKind::Group: {
            once = LongestOf(item.alternatives);
            if (groupLengths_.size() <= static_cast<std::size_t>(item.group)) groupLengths_.resize(item.group + 1);
            groupLengths_[item.group] = {once, true};
            break;
        }
        default: return Linear{};
        }
        if (item.unbounded) return kTextLength;
        const Linear length = once * Linear{static_cast<double>(item.maximum), 0};
        return Useless(length) ? kTextLength : length;
    }

    // A group that is referred to before its length is known may hold the whole text.
    Linear GroupLength(int group) const {
        const auto index = static_cast<std::size_t>(group);
        return index < groupLengths_.size() && groupLengths_[index].known ? groupLengths_[index].length : kTextLength;
    }

    struct GroupLength_ {
        Linear length;
        bool known = false;
    };
    std::vector<GroupLength_> groupLengths_;
};

}  // namespace

std::optional<SearchWorkBound> BoundSearchWork(const std::string& pcre2Pattern, const CharacterTables& tables) {
    const std::optional<std::vector<Alternative>> alternatives = pattern::ReadTranslatedPattern(pcre2Pattern, tables);
    if (!alternatives) return std::nullopt;
    return BoundSearchWork(*alternatives);
}

std::optional<SearchWorkBound> BoundSearchWork(const std::vector<Alternative>& alternatives) {
    const Estimator estimator(alternatives);

    // At the first byte every alternative may run; at every later start position only those
    // that do not begin with \A, the others refusing at their first callout.
    std::vector<const Alternative*> floating;
    for (const Alternative& alternative : alternatives) {
        if (alternative.items.empty() || alternative.items.front().kind != ItemKind::TextStart) {
            floating.push_back(&alternative);
        }
    }
    const Linear first = estimator.Alternatives(alternatives).work;
    const double anchoredCount = static_cast<double>(alternatives.size() - floating.size());
    const Linear later = floating.empty() ? Linear{anchoredCount, 0}
                                          : estimator.Alternatives(floating).work + Linear{anchoredCount, 0};
    // Work that grows with the text at every one of its start positions grows as its square.
    if (later.b > 0 || Useless(first) || Useless(later)) return std::nullopt;

    SearchWorkBound bound;
    bound.constant = first.a + 1;
    bound.perByte = first.b + later.a + 2;
    bound.anchored = floating.empty();
    return bound;
}

}  // namespace qs
