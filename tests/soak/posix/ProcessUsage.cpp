// Linux: the open file descriptors, and the private pages (clean and dirty) of every mapping.
#include "tests/soak/ProcessUsage.h"

#include <dirent.h>

#include <fstream>
#include <sstream>
#include <string>

namespace qs_soak {

ProcessUsage SampleProcessUsage() {
    ProcessUsage usage;
    usage.handleSource = "open file descriptors";
    usage.memorySource = "private pages";
    if (DIR* folder = opendir("/proc/self/fd")) {
        usage.handles = 0;
        while (const dirent* entry = readdir(folder))
            if (entry->d_name[0] != '.') ++usage.handles;
        closedir(folder);
        --usage.handles;  // the one opendir itself holds
    }
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::string line;
    while (std::getline(rollup, line)) {
        std::istringstream fields(line);
        std::string name;
        std::int64_t kib = 0;
        fields >> name >> kib;
        if (name == "Private_Clean:" || name == "Private_Dirty:") {
            if (usage.privateBytes < 0) usage.privateBytes = 0;
            usage.privateBytes += kib * 1024;
        }
    }
    return usage;
}

}  // namespace qs_soak
