// The load run by Init: options and search entries from the two configuration files.
#pragma once
#include <string>

namespace qs {

struct PluginState;

// Init: the configuration of the plug-in's folder, in the host's language, into the module
// state. Read once per load of the library; a later call changes nothing.
void Load();

// The load itself: both configuration files of directory, in order, over state.
void LoadConfiguration(PluginState& state, const std::string& directory, const std::string& languageCode);

}  // namespace qs
