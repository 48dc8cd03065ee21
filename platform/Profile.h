// Reading INI files the way the system's profile function does, and testing that a file
// exists. Windows passes straight to GetPrivateProfileStringA and FindFirstFileA; elsewhere
// our own reader gives the same answers on the same files.
#pragma once
#include <cstdint>
#include <string>

namespace qs {

// GetPrivateProfileStringA:
// - section and key given: the key's value (enclosing quotes removed), or defaultText
//   (trailing spaces removed) when the key is absent or the line has no "=". At most
//   size - 1 characters and a zero are written; the result is the number of characters.
// - section null: the names of all sections, each followed by a zero, one more zero at the
//   end; when they do not fit, the last name is cut, and the result is size - 2.
// key must not be null when section is given. buffer must hold size bytes; size 0 writes
// nothing.
std::uint32_t ProfileString(const char* section, const char* key, const char* defaultText, char* buffer,
                            std::uint32_t size, const char* path);

// True when path names an existing file; a folder of that name does not count.
bool FileExists(const std::string& path);

}  // namespace qs
