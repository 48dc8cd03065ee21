// The six functions the host offers its plug-ins, backed by the scriptable state.
#include <algorithm>
#include <cstring>

#include "host/HostState.h"
#include "plugin/DUnitExternal.h"

using host::Script;

namespace {
void Record(const char* function, std::vector<std::int64_t> arguments = {}) {
    Script().calls.push_back({function, std::move(arguments)});
    if (Script().insideCall) Script().insideCall(function);
}

std::int32_t ReportedLength() {
    const host::HostScript& script = Script();
    if (script.reportedLength) return *script.reportedLength;
    return script.selection ? static_cast<std::int32_t>(script.selection->size()) : 0;
}
}  // namespace

QS_HOST_FUNCTION std::int32_t QS_STDCALL LgTexteSelectionne() {
    Record("LgTexteSelectionne");
    return ReportedLength();
}

QS_HOST_FUNCTION void QS_STDCALL TexteSelectionne(std::int32_t alwaysZero, char** buffer) {
    Record("TexteSelectionne", {alwaysZero, buffer != nullptr && *buffer != nullptr});
    if (buffer == nullptr || *buffer == nullptr) return;
    const host::HostScript& script = Script();
    static const std::string nothing;
    const std::string& text = script.writtenText ? *script.writtenText : script.selection ? *script.selection : nothing;
    // A well-behaved host writes at most the length it reported, and a zero.
    const std::size_t room = static_cast<std::size_t>(std::max<std::int32_t>(ReportedLength(), 0));
    const std::size_t count = std::min(text.size(), room);
    std::memcpy(*buffer, text.data(), count);
    if (script.writeTerminator) (*buffer)[count] = '\0';
}

#if defined(_WIN32)
// Exported under the name "Beep" (Tidewire2.def).
QS_HOST_FUNCTION void QS_STDCALL HostBeep() { Record("Beep"); }
#else
QS_HOST_FUNCTION void QS_STDCALL Beep() { Record("Beep"); }
#endif

QS_HOST_FUNCTION std::int32_t QS_STDCALL GestionRaccourciPlugin(void* module, std::int32_t alwaysOne,
                                                                std::uint32_t shortcutCode) {
    Record("GestionRaccourciPlugin",
           {static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(module)), alwaysOne, shortcutCode});
    return Script().registrationResult;
}

QS_HOST_FUNCTION void QS_STDCALL CodeLangue(char* buffer) {
    Record("CodeLangue");
    const std::string& bytes = Script().languageBytes;
    std::memcpy(buffer, bytes.data(), std::min<std::size_t>(bytes.size(), 3));
}

QS_HOST_FUNCTION void QS_STDCALL Version(std::uint32_t* words) {
    Record("Version");
    words[0] = Script().versionWords[0];
    words[1] = Script().versionWords[1];
}
