// The profile function and the file test, straight from the system.
#include "platform/Profile.h"

#include <windows.h>

namespace qs {

std::uint32_t ProfileString(const char* section, const char* key, const char* defaultText, char* buffer,
                            std::uint32_t size, const char* path) {
    return GetPrivateProfileStringA(section, key, defaultText, buffer, size, path);
}

bool FileExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace qs
