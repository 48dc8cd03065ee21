// Where the plug-in's files are (placeholder until the location code lands).
#include "config/PluginLocation.h"

namespace qs {

std::string PluginDirectory() { return std::string(); }
std::string ConfigFilePath(const std::string& fileName) { return PluginDirectory() + "\\" + fileName; }
std::string LanguageCode() { return "fr"; }

}  // namespace qs
