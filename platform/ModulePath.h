// The full path of the plug-in library's own file, and how this platform writes paths.
#pragma once
#include <string>

namespace qs {

// The path of this library as the system names it; empty when it cannot be found.
std::string PluginModulePath();

// The byte that ends each folder name of a path.
char PathSeparator();
// True where a drive's colon ("D:") ends a folder name as the separator does.
bool DriveColonEndsFolder();

}  // namespace qs
