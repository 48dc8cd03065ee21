// Reading one INI file (placeholder until the profile reader lands: every key is absent).
#include "config/IniFile.h"

namespace qs {

std::string IniFile::ReadText(const std::string&, const std::string&, const std::string& defaultText) const {
    return defaultText;
}
std::int32_t IniFile::ReadInt(const std::string&, const std::string&, std::int32_t defaultValue) const {
    return defaultValue;
}
bool IniFile::ReadBool(const std::string&, const std::string&, bool defaultValue) const { return defaultValue; }
std::vector<std::string> IniFile::SectionNames() const { return {}; }

}  // namespace qs
