// Locale comparison through CompareStringA.
#include "platform/TextCompare.h"

#include <windows.h>

#include <climits>

namespace qs {

bool EqualIgnoringCase(std::string_view left, std::string_view right) {
    if (left.size() > INT_MAX || right.size() > INT_MAX) return false;
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left.data(), static_cast<int>(left.size()),
                          right.data(), static_cast<int>(right.size())) == CSTR_EQUAL;
}

}  // namespace qs
