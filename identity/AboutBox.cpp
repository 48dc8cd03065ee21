// The about box: the plug-in's name, version and maker, and a warning for a host that is
// too old.
#include "identity/AboutBox.h"

#include <string>

#include "Version.h"
#include "identity/HostVersion.h"
#include "identity/Maker.h"
#include "platform/MessageBox.h"

namespace qs {

namespace {

constexpr char AboutLine[] = "Quickseek Version " QS_VERSION_TEXT " " QS_COPYRIGHT;
// Windows-1252: \xE9 is é.
constexpr char OldHostWarning[] = "Ce plugin n\xE9" "cessite une version sup\xE9" "rieure de Tidewire...";
constexpr char AboutCaption[] = "A propos de...";

}  // namespace

void ShowAboutBox() {
    std::string text = AboutLine;
    if (!IsHostVersionSupported()) {
        text += "\r\n\r\n";
        text += OldHostWarning;
    }
    ShowMessageBox(text, AboutCaption);
}

}  // namespace qs
