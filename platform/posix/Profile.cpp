// Our own profile function for systems without one. It answers as Windows' does on the same
// file (see ProfileContent.cpp for the syntax): the parsed file is kept while its size and
// time stay the same, as the system keeps its profiles, so that many look-ups in one file do
// not read it again each time. A file changed within the same tick of the file system's
// clock keeps its time, so a file read within that tick after it was written is not kept.
#include "platform/Profile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fstream>
#include <list>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/posix/CodePage1252.h"
#include "platform/posix/ProfileContent.h"

namespace qs {

namespace {

// A file larger than this reads as an empty profile, as when the system cannot allocate it.
constexpr off_t kLargestProfile = 256L * 1024 * 1024;
constexpr std::size_t kProfilesKept = 4;
// How far the file times may lag behind the clock (they come from a coarser one).
constexpr long kClockTickNanoseconds = 20L * 1000 * 1000;

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

// The file may still change without a new time when it was written this close to being read.
bool WrittenJustBefore(const struct timespec& modified, const struct timespec& read) {
    const long long modifiedNs = modified.tv_sec * 1000000000LL + modified.tv_nsec;
    const long long readNs = read.tv_sec * 1000000000LL + read.tv_nsec;
    return modifiedNs + kClockTickNanoseconds >= readNs;
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
    struct timespec readTime {};
    clock_gettime(CLOCK_REALTIME, &readTime);
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
    if (WrittenJustBefore(info.st_mtim, readTime)) return content;
    g_cache.push_front(CachedProfile{path, info.st_dev, info.st_ino, info.st_size, info.st_mtim, content});
    if (g_cache.size() > kProfilesKept) g_cache.pop_back();
    return content;
}

std::u16string Widen(const char* text) { return text ? Widen1252(text, std::strlen(text)) : std::u16string(); }

// The text as far as size - 1 units go.
std::u16string Fitted(std::u16string_view text, std::size_t size) {
    return std::u16string(text.substr(0, size - 1));
}

// A value or default as the profile function hands it out: one pair of enclosing quotes,
// single or double, is removed. The opening quote goes first and the rest is cut to the
// buffer; then, when the buffer holds at least as many units as that rest, the last unit
// copied is dropped: the closing quote, or, when the buffer was one unit short of it, the
// character before it.
std::u16string FittedEntry(std::u16string_view value, std::size_t size) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
        value.remove_prefix(1);
        std::u16string text = Fitted(value, size);
        if (size >= value.size() && !text.empty()) text.pop_back();
        return text;
    }
    return Fitted(value, size);
}

// The section names, each with its zero, as far as they fit into size units with a zero at
// the end. A name that does not fit is cut, its zero follows the count, which is size - 2.
std::u16string FittedSectionNames(const ProfileContent& content, std::size_t size) {
    std::u16string list;
    if (size == 1) return list;
    std::size_t room = size - 1;
    for (const ProfileSection& section : content.Sections()) {
        if (section.name.empty()) continue;
        const std::size_t needed = section.name.size() + 1;
        if (needed >= room) {
            list.append(section.name, 0, room - 1);
            return list;
        }
        list.append(section.name);
        list.push_back(0);
        room -= needed;
    }
    return list;
}

}  // namespace

std::uint32_t ProfileString(const char* section, const char* key, const char* defaultText, char* buffer,
                            std::uint32_t size, const char* path) {
    if (buffer == nullptr || size == 0) return 0;

    std::optional<std::u16string> fallback;
    if (defaultText != nullptr) {
        // Spaces at the end of a default are dropped; a default of spaces only keeps one.
        std::u16string text = Widen(defaultText);
        std::size_t keep = text.size();
        while (keep > 1 && text[keep - 1] == u' ') --keep;
        text.resize(keep);
        fallback = std::move(text);
    }

    std::u16string result;
    const std::shared_ptr<const ProfileContent> content = OpenProfile(path ? path : "");
    if (!content) {
        if (fallback) result = Fitted(*fallback, size);
    } else if (section == nullptr) {
        result = FittedSectionNames(*content, size);
    } else if (key != nullptr) {
        const ProfileKey* found = content->Find(Widen(section), Widen(key));
        result = FittedEntry(found && found->value ? *found->value : fallback.value_or(std::u16string()), size);
    }
    const std::string bytes = Narrow1252(result.data(), result.size());
    bytes.copy(buffer, bytes.size());
    buffer[bytes.size()] = '\0';
    return static_cast<std::uint32_t>(bytes.size());
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace qs
