// The checker is no host, but the plug-in code it links asks a host for the selection and the
// language. These answer as a quiet host: the selection of --try, no language of its own (the
// checker passes the language to the load itself), no shortcut registration, no beep.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "plugin/DUnitExternal.h"
#include "tools/check/TryRun.h"

namespace {
std::optional<std::string>& Selection() {
    static std::optional<std::string> selection;
    return selection;
}
}  // namespace

void qs::check::SetHostSelection(const std::optional<std::string>& selection) { Selection() = selection; }

QS_HOST_FUNCTION std::int32_t QS_STDCALL LgTexteSelectionne() {
    const std::size_t length = Selection() ? Selection()->size() : 0;
    return static_cast<std::int32_t>(std::min<std::size_t>(length, INT32_MAX));
}

QS_HOST_FUNCTION void QS_STDCALL TexteSelectionne(std::int32_t, char** buffer) {
    if (buffer == nullptr || *buffer == nullptr) return;
    const std::string text = Selection().value_or(std::string());
    std::memcpy(*buffer, text.data(), text.size());
    (*buffer)[text.size()] = '\0';
}

QS_HOST_FUNCTION void QS_STDCALL HostBeep() {}

QS_HOST_FUNCTION std::int32_t QS_STDCALL GestionRaccourciPlugin(void*, std::int32_t, std::uint32_t) { return 0; }

QS_HOST_FUNCTION void QS_STDCALL CodeLangue(char* buffer) { buffer[0] = '\0'; }

QS_HOST_FUNCTION void QS_STDCALL Version(std::uint32_t* words) { words[0] = words[1] = 0; }
