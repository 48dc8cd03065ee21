// The toolbar button: the "Button<place>" section of the configuration file named last.
#include "shortcut/ToolbarButton.h"

#include <cstring>
#include <string>

#include "config/IniFile.h"
#include "plugin/PluginBase.h"

namespace qs {

namespace {
constexpr char BitmapFileName[] = "Quickseek.bmp";
constexpr std::int32_t DefaultPosition = 100;
constexpr std::int32_t DefaultIconNumber = -1;
constexpr std::int32_t PlaceWithButtonByDefault = 2;
}  // namespace

bool DescribeToolbarButton(std::int32_t place, std::int32_t* iconNumber, char* bitmapFileName,
                           std::int32_t* position, std::int32_t* entryCount) {
    // Read afresh at every call: which file IniPath names depends on whether Init or NomPlugin
    // ran last, and the file may have changed since.
    const IniFile file(State().IniPath);
    // An empty path names no file; the profile function would look for one in the system's
    // own folder.
    const bool hasFile = !file.Path().empty();
    const std::string section = "Button" + std::to_string(place);
    const auto readBool = [&](const char* key, bool byDefault) {
        return hasFile ? file.ReadBool(section, key, byDefault) : byDefault;
    };
    const auto readInt = [&](const char* key, std::int32_t byDefault) {
        return hasFile ? file.ReadInt(section, key, byDefault) : byDefault;
    };

    if (!readBool("iLieu", place == PlaceWithButtonByDefault)) {
        *iconNumber = 0;
        return false;
    }
    *position = readInt("iPosition", DefaultPosition);
    *iconNumber = readInt("iNumIcone", DefaultIconNumber);
    std::memcpy(bitmapFileName, BitmapFileName, sizeof BitmapFileName);
    *entryCount = State().EntryCount;
    return true;
}

}  // namespace qs
