// Where the plug-in's files are, and the host's interface language.
#pragma once
#include <string>

namespace qs {

// The plug-in's folder without a trailing separator; empty when it cannot be found.
std::string PluginDirectory();
// The folder, one separator, and the file name.
std::string ConfigFilePath(const std::string& fileName);
// The host's language code in lower case, at most two characters; "fr" when the host gives none.
std::string LanguageCode();

}  // namespace qs
