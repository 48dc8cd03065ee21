// The exports driven by a host whose every answer comes from the input: the selection, the
// length it reports and what it writes, the language code's three bytes, the version, and an
// export it calls back from inside one of its functions. The configuration beside the
// program (search-run/) holds entries of every kind. Nothing may crash, the host's buffers
// get no more than their documented limits, and the state stays whole.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/HostState.h"
#include "identity/HostVersion.h"
#include "plugin/Boundary.h"
#include "plugin/PluginBase.h"

extern "C" {
QsBool OnClicSousMenu(std::int32_t Index);
QsBool DefinirUnSousMenu(std::int32_t Index, QsBool* Enabled, QsBool* Visible, std::int32_t Reserved, char* Caption);
QsBool AjouterBoutonRaccourciMenu(std::int32_t place, std::int32_t* iconNumber, char* bitmapFileName,
                                  std::int32_t* position, std::int32_t* entryCount);
QsBool OnGereRaccourci(std::int32_t ignored);
QsBool NomPlugin(char* name, std::int32_t* length);
std::int32_t ApresCreationPlugin();
void Init(std::int32_t, std::int32_t);
}

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

enum Call { Click, Menu, Button, Shortcut, Name, Register, InitCall, About, CallCount };

// The host reads the about box's version test; the box itself would only print it.
void CheckVersionTest(const host::HostScript& script) {
    const std::uint32_t* words = script.versionWords;
    const std::int32_t weighted = static_cast<std::int32_t>(1000 * (words[0] >> 16) + 100 * (words[0] & 0xFFFF) +
                                                            10 * (words[1] >> 16) + (words[1] & 0xFFFF));
    Check(qs::IsHostVersionSupported() == (weighted >= qs::OldestSupportedHostVersion));
}

void MakeCall(Call call, std::int32_t argument) {
    switch (call) {
        case Click:
            Check(OnClicSousMenu(argument) == 1);
            break;
        case Shortcut:
            Check(OnGereRaccourci(argument) == 1);
            break;
        case Menu: {
            char caption[256];
            std::memset(caption, 0x5A, sizeof caption);
            QsBool enabled = 0x77, visible = 0x77;
            if (DefinirUnSousMenu(argument, &enabled, &visible, 0, caption)) {
                Check(enabled <= 1 && visible == 1);
                const char* zero = static_cast<const char*>(std::memchr(caption, 0, 101));
                Check(zero != nullptr);
                for (std::size_t i = static_cast<std::size_t>(zero - caption) + 1; i < sizeof caption; ++i)
                    Check(caption[i] == 0x5A);
            } else {
                Check(enabled == 0x77 && visible == 0x77 && caption[0] == 0x5A);
            }
            break;
        }
        case Button: {
            char bitmap[32];
            std::memset(bitmap, 0x5A, sizeof bitmap);
            std::int32_t icon = 0, position = 0, count = 0;
            if (AjouterBoutonRaccourciMenu(argument, &icon, bitmap, &position, &count)) {
                Check(std::strcmp(bitmap, "Quickseek.bmp") == 0 && bitmap[14] == 0x5A);
                Check(count == qs::State().EntryCount);
            } else {
                Check(icon == 0 && bitmap[0] == 0x5A);
            }
            break;
        }
        case Name: {
            static char name[4096];
            std::memset(name, 0x5A, sizeof name);
            std::int32_t length = -1;
            if (NomPlugin(name, &length)) {
                Check(length >= 0 && length <= 2047 && std::strlen(name) == static_cast<std::size_t>(length));
            }
            break;
        }
        case Register:
            Check(ApresCreationPlugin() == host::Script().registrationResult);
            break;
        case InitCall:
            Init(0, 0);
            break;
        case About:
            CheckVersionTest(host::Script());
            break;
        case CallCount:
            break;
    }
}

const char* const HostFunctions[] = {"LgTexteSelectionne", "TexteSelectionne", "Beep",
                                     "GestionRaccourciPlugin", "CodeLangue", "Version"};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The run hands its address to no browser and its text to no clipboard tool.
    setenv("BROWSER", "/nonexistent/quickseek-fuzz-browser", 1);
    setenv("PATH", "/nonexistent/quickseek-fuzz", 1);
    unsetenv("DISPLAY");
    // Without the configuration beside the program every input would only meet an empty menu.
    Init(0, 0);
    if (qs::State().EntryCount < 10) {
        std::fprintf(stderr, "search_run: no configuration beside the program\n");
        std::abort();
    }
    qs::ResetState();
    host::Script() = host::HostScript{};
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    qs::ResetState();
    host::Script() = host::HostScript{};
    host::HostScript& host = host::Script();

    host.languageBytes = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, 3));
    host.versionWords[0] = input.ConsumeIntegral<std::uint32_t>();
    host.versionWords[1] = input.ConsumeIntegral<std::uint32_t>();
    host.registrationResult = input.ConsumeIntegral<std::int32_t>();
    if (input.ConsumeBool()) host.selection = input.ConsumeRandomLengthString(1 << 20);
    const auto selected = static_cast<std::int32_t>(host.selection ? host.selection->size() : 0);
    switch (input.ConsumeIntegralInRange(0, 4)) {
        case 1: host.reportedLength = 0; break;
        case 2: host.reportedLength = input.ConsumeIntegralInRange<std::int32_t>(INT32_MIN, -1); break;
        case 3: host.reportedLength = selected + input.ConsumeIntegralInRange<std::int32_t>(1, 4096); break;
        case 4: host.reportedLength = selected - input.ConsumeIntegralInRange<std::int32_t>(1, 64); break;
        default: break;
    }
    if (input.ConsumeBool()) host.writtenText = input.ConsumeRandomLengthString(4096);
    host.writeTerminator = input.ConsumeBool();

    // One export called back from inside one host function, once.
    if (input.ConsumeBool()) {
        const std::string function = HostFunctions[input.ConsumeIntegralInRange<std::size_t>(0, 5)];
        const auto call = static_cast<Call>(input.ConsumeIntegralInRange(0, CallCount - 1));
        const std::int32_t argument = input.ConsumeIntegralInRange(-2, 24);
        host.insideCall = [function, call, argument, done = false](const std::string& name) mutable {
            if (done || name != function) return;
            done = true;
            MakeCall(call, argument);
        };
    }

    for (int calls = 0; calls < 24 && input.remaining_bytes() > 0; ++calls) {
        const auto call = static_cast<Call>(input.ConsumeIntegralInRange(0, CallCount - 1));
        MakeCall(call, input.ConsumeIntegralInRange(-2, 24));
        host.calls.clear();
    }

    const qs::PluginState& state = qs::State();
    Check(!state.SearchBusy);
    if (state.SearchEntries) Check(state.EntryCount == static_cast<std::int32_t>(state.SearchEntries->size()));
    return 0;
}
