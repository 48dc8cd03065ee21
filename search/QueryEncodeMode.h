// The encoding an entry's mode selects for the query text.
#pragma once
#include <cstdint>
#include <string>

namespace qs {
// 1: URL-encoding; 2: UTF-8, then URL-encoding; any other mode: the text unchanged.
std::string EncodeQuery(const std::string& text, std::int32_t mode);
}
