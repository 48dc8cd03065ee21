// Reading the host's current selection.
#include "search/SelectionReader.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "plugin/DUnitExternal.h"

namespace qs {

namespace {
struct FreeMemory {
    void operator()(char* block) const { std::free(block); }
};
}  // namespace

std::string ReadSelection(std::int32_t length) {
    const std::size_t size = static_cast<std::size_t>(length) + 1;
    // calloc: a cleared block without touching every page of a large one.
    const std::unique_ptr<char, FreeMemory> buffer(static_cast<char*>(std::calloc(size, 1)));
    if (!buffer) throw std::bad_alloc();
    // The host writes through this variable; the text is read from, and the block released
    // through, the plug-in's own pointer, whatever the host leaves in the variable.
    char* variable = buffer.get();
    TexteSelectionne(0, &variable);
    const void* zero = std::memchr(buffer.get(), '\0', size);
    const std::size_t textLength = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer.get()) : size;
    return std::string(buffer.get(), textLength);
}

}  // namespace qs
