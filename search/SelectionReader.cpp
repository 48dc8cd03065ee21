// Reading the host's current selection.
#include "search/SelectionReader.h"

#include <cstring>

#include "plugin/DUnitExternal.h"

namespace qs {

std::string ReadSelection(std::int32_t length) {
    const std::size_t size = static_cast<std::size_t>(length) + 1;
    // The host writes straight into the string's own storage, cleared first: one block of the
    // selection's size, where a separate buffer and a copy out of it took two, twice the
    // memory to touch for a large selection.
    std::string text(size, '\0');
    // The host writes through this variable; the text is read from, and the block released
    // through, the plug-in's own string, whatever the host leaves in the variable.
    char* variable = &text[0];
    TexteSelectionne(0, &variable);
    const void* zero = std::memchr(text.data(), '\0', size);
    text.resize(zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - text.data()) : size);
    return text;
}

}  // namespace qs
