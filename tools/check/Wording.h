// How the checker words values for its reader.
#pragma once
#include <cstdint>
#include <string>

#include "tools/check/CheckReport.h"

namespace qs::check {

// "2 (UTF-8, then URL-encoding)", "7 (acts as 0: no encoding)".
std::string DescribeEncode(std::int32_t encode);
std::string OnOff(bool value);
// "Ctrl+F10" as 0x4079.
std::string Hex16(std::uint16_t value);
// "en_TITLE in [SEARCH_WEB] of Quickseek.ini, line 12", "built-in default".
std::string DescribeOrigin(const Origin& origin);
// "Quickseek.ini:12 [SEARCH_WEB] en_TITLE".
std::string DescribeLocation(const Location& where);
// "en, de".
std::string JoinLanguages(const std::vector<std::string>& languages);

}  // namespace qs::check
