// Locale comparison on a Western system: equal length, and equal bytes after Windows-1252
// case folding.
#include "platform/TextCompare.h"

#include "platform/CaseMapping.h"

namespace qs {

bool EqualIgnoringCase(std::string_view left, std::string_view right) {
    if (left.size() != right.size()) return false;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (LowerByte(static_cast<unsigned char>(left[i])) != LowerByte(static_cast<unsigned char>(right[i])))
            return false;
    }
    return true;
}

}  // namespace qs
