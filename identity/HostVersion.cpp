// The host's version against the oldest one supported.
#include "identity/HostVersion.h"

#include "plugin/DUnitExternal.h"

namespace qs {

bool IsHostVersionSupported() {
    // Zeros stay when a host writes nothing, which then counts as too old.
    std::uint32_t words[2] = {0, 0};
    Version(words);
    const std::int32_t major = static_cast<std::int32_t>(words[0] >> 16);
    const std::int32_t minor = static_cast<std::int32_t>(words[0] & 0xFFFFu);
    const std::int32_t release = static_cast<std::int32_t>(words[1] >> 16);
    const std::int32_t build = static_cast<std::int32_t>(words[1] & 0xFFFFu);
    // At most 1111 * 65535: no overflow.
    const std::int32_t weighted = 1000 * major + 100 * minor + 10 * release + build;
    return weighted >= OldestSupportedHostVersion;
}

}  // namespace qs
