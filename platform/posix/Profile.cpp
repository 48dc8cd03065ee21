// Our own profile function for systems without one. It answers as Windows' does on the same
// file (see ProfileContent.cpp for the syntax): the parsed file is kept while its size and
// time stay the same, as the system keeps its profiles, so that many look-ups in one file do
// not read it again each time.
#include "platform/Profile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <list>
#include <memory>
#include <mutex>

#include "platform/posix/CodePage1252.h"
#include "platform/posix/ProfileContent.h"

namespace qs {

namespace {

// A file larger than this reads as an empty profile, as when the system cannot allocate it.
constexpr off_t kLargestProfile = 256L * 1024 * 1024;
constexpr std::size_t kProfilesKept = 4;

struct CachedProfile {
    std::string path;
    dev_t device;
    ino_t inode;
    off_t size;
    struct timespec modified;
    std::shared_ptr<const ProfileContent> content;
};

bool SameFile(const CachedProfile& cached, const struct stat& info) {
    return cached.device == info.st_dev && cached.inode == info.st_ino && cached.size == info.st_size &&
           cached.modified.tv_sec == info.st_mtim.tv_sec && cached.modified.tv_nsec == info.st_mtim.tv_nsec;
}

std::mutex g_cacheLock;
std::list<CachedProfile> g_cache;  // most recently used first

std::shared_ptr<const ProfileContent> EmptyProfile() {
    static const auto empty = std::make_shared<const ProfileContent>(ProfileContent::Parse(std::string()));
    return empty;
}

bool ParentFolderExists(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The profile of the file at path: its content, an empty profile for a file that does not
// exist in an existing folder, or null when the path cannot be opened as a file at all.
std::shared_ptr<const ProfileContent> OpenProfile(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT && ParentFolderExists(path)) return EmptyProfile();
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) return nullptr;

    std::lock_guard<std::mutex> lock(g_cacheLock);
    for (auto it = g_cache.begin(); it != g_cache.end(); ++it) {
        if (it->path != path) continue;
        if (SameFile(*it, info)) {
            g_cache.splice(g_cache.begin(), g_cache, it);
            return g_cache.front().content;
        }
        g_cache.erase(it);
        break;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return nullptr;
    std::shared_ptr<const ProfileContent> content;
    if (info.st_size > kLargestProfile) {
        content = EmptyProfile();
    } else {
        std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
        in.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        content = std::make_shared<const ProfileContent>(ProfileContent::Parse(bytes));
    }
    g_cache.push_front(CachedProfile{path, info.st_dev, info.st_ino, info.st_size, info.st_mtim, content});
    if (g_cache.size() > kProfilesKept) g_cache.pop_back();
    return content;
}

std::u16string Widen(const char* text) { return text ? Widen1252(text, std::strlen(text)) : std::u16string(); }

// Copies at most size - 1 units and a zero; the number copied.
std::size_t CopyUnits(std::u16string_view text, char16_t* buffer, std::size_t size) {
    const std::size_t count = text.size() < size - 1 ? text.size() : size - 1;
    text.copy(buffer, count);
    buffer[count] = 0;
    return count;
}

// A value or default as the profile function hands it out: one pair of enclosing quotes,
// single or double, is removed, unless the buffer cuts the text before the closing one.
std::size_t CopyEntry(std::u16string_view value, char16_t* buffer, std::size_t size) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
        value.remove_prefix(1);
        const std::size_t count = CopyUnits(value, buffer, size);
        if (size >= value.size()) {
            buffer[value.size() - 1] = 0;
            return value.size() - 1;
        }
        return count;
    }
    return CopyUnits(value, buffer, size);
}

// The section names, each with its zero and a zero at the end; cut to fit.
std::size_t CopySectionNames(const ProfileContent& content, char16_t* buffer, std::size_t size) {
    if (size == 1) {
        buffer[0] = 0;
        return 0;
    }
    std::size_t room = size - 1;
    char16_t* out = buffer;
    for (const ProfileSection& section : content.Sections()) {
        if (section.name.empty()) continue;
        const std::size_t needed = section.name.size() + 1;
        if (needed >= room) {
            section.name.copy(out, room - 1);
            out += room - 1;
            *out++ = 0;
            *out = 0;
            return size - 2;
        }
        section.name.copy(out, section.name.size());
        out += section.name.size();
        *out++ = 0;
        room -= needed;
    }
    *out = 0;
    return static_cast<std::size_t>(out - buffer);
}

}  // namespace

std::uint32_t ProfileString(const char* section, const char* key, const char* defaultText, char* buffer,
                            std::uint32_t size, const char* path) {
    if (buffer == nullptr || size == 0) return 0;
    std::u16string units(size, u'\0');

    std::optional<std::u16string> fallback;
    if (defaultText != nullptr) {
        // Spaces at the end of a default are dropped, all but the first.
        std::u16string text = Widen(defaultText);
        std::size_t keep = text.size();
        while (keep > 1 && text[keep - 1] == u' ') --keep;
        text.resize(keep);
        fallback = std::move(text);
    }

    std::size_t count = 0;
    const std::shared_ptr<const ProfileContent> content = OpenProfile(path ? path : "");
    if (!content) {
        if (fallback) count = CopyUnits(*fallback, &units[0], size);
    } else if (section == nullptr) {
        count = CopySectionNames(*content, &units[0], size);
    } else if (key != nullptr) {
        const ProfileKey* found = content->Find(Widen(section), Widen(key));
        if (found && found->value) {
            count = CopyEntry(*found->value, &units[0], size);
        } else {
            count = CopyEntry(fallback ? *fallback : std::u16string(), &units[0], size);
        }
    }
    const std::string bytes = Narrow1252(units.data(), count);
    bytes.copy(buffer, bytes.size());
    buffer[bytes.size()] = '\0';
    return static_cast<std::uint32_t>(bytes.size());
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace qs
