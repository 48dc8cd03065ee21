// The load run by Init: options and search entries from the two configuration files.
#pragma once
#include <string>

namespace qs {

struct PluginState;
class LoadObserver;

// Init: the configuration of the plug-in's folder, in the host's language, into the module
// state. Read once per load of the library; a later call changes nothing.
void Load();

// The load itself: both configuration files of directory, in order, over state. An observer,
// when given, is told what each read gave (at the cost of a few more reads); without one the
// load reads exactly what the plug-in needs.
void LoadConfiguration(PluginState& state, const std::string& directory, const std::string& languageCode,
                       LoadObserver* observer = nullptr);

}  // namespace qs
