// The test host's scriptable state: what its six functions answer, and a record of every
// call the plug-in made to them.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace host {

struct HostCall {
    std::string function;
    std::vector<std::int64_t> arguments;
};

struct HostScript {
    // The selected bytes; none: nothing is selected.
    std::optional<std::string> selection;
    // What LgTexteSelectionne reports instead of the selection's length.
    std::optional<std::int32_t> reportedLength;
    // What TexteSelectionne writes instead of the selection, and whether a zero follows.
    std::optional<std::string> writtenText;
    bool writeTerminator = true;
    // The bytes CodeLangue writes (at most 3; "en" writes 'e', 'n' and a zero).
    std::string languageBytes = std::string("en\0", 3);
    // Version words: major<<16|minor, release<<16|build.
    std::uint32_t versionWords[2] = {(1u << 16) | 8u, (0u << 16) | 2u};
    // What GestionRaccourciPlugin answers.
    std::int32_t registrationResult = 1;

    std::vector<HostCall> calls;
    // Runs inside every host function after it is recorded (re-entrant hosts in tests).
    std::function<void(const std::string& function)> insideCall;

    int CountCalls(const std::string& function) const;
    void ClearCalls() { calls.clear(); }
};

HostScript& Script();

// Sets a version from its four parts.
void SetHostVersion(unsigned major, unsigned minor, unsigned release, unsigned build);

}  // namespace host
