// The test host's scriptable state.
#include "host/HostState.h"

namespace host {

HostScript& Script() {
    static HostScript script;
    return script;
}

int HostScript::CountCalls(const std::string& function) const {
    int count = 0;
    for (const HostCall& call : calls) count += call.function == function;
    return count;
}

void SetHostVersion(unsigned major, unsigned minor, unsigned release, unsigned build) {
    Script().versionWords[0] = (major & 0xFFFFu) << 16 | (minor & 0xFFFFu);
    Script().versionWords[1] = (release & 0xFFFFu) << 16 | (build & 0xFFFFu);
}

}  // namespace host
