// The literal run every match contains.
#include "search/PatternLiteral.h"

namespace qs::pattern {

std::string RequiredLiteral(const std::vector<Alternative>& alternatives) {
    if (alternatives.size() != 1) return std::string();
    std::string longest;
    std::string run;
    for (const Item& item : alternatives.front().items) {
        switch (item.kind) {
        case ItemKind::WordBoundary:
        case ItemKind::TextStart:
        case ItemKind::TextEnd:
        case ItemKind::LineAnchor:
        case ItemKind::CaseOption:
            continue;  // no byte of the text between the neighbours
        case ItemKind::Bytes:
            if (item.bytes.Count() == 1 && !item.VariableCount()) {
                run.append(item.minimum, static_cast<char>(item.bytes.Lowest()));
                if (run.size() > longest.size()) longest = run;
                continue;
            }
            break;
        case ItemKind::BackReference:
        case ItemKind::Group:
            break;
        }
        run.clear();
    }
    return longest;
}

}  // namespace qs::pattern
