// The eight exports. Each one only converts the host's arguments and calls the subsystem
// that does the work; nothing thrown inside ever crosses into the host.
#include <cstdint>

#include "config/Load.h"
#include "identity/PluginName.h"
#include "identity/AboutBox.h"
#include "plugin/Boundary.h"
#include "search/MenuItems.h"
#include "search/SearchRun.h"
#include "shortcut/Registration.h"
#include "shortcut/ToolbarButton.h"

using std::int32_t;

QS_EXPORT QsBool QS_STDCALL OnClicSousMenu(int32_t Index) {
    try {
        qs::RunSearch(Index);
    } catch (...) {
    }
    return QsTrue;
}

QS_EXPORT QsBool QS_STDCALL DefinirUnSousMenu(int32_t Index, QsBool* Enabled, QsBool* Visible,
                                              int32_t /*Reserved*/, char* Caption) {
    try {
        return ToQsBool(qs::DescribeMenuItem(Index, Enabled, Visible, Caption));
    } catch (...) {
        return QsFalse;
    }
}

QS_EXPORT QsBool QS_STDCALL AjouterBoutonRaccourciMenu(int32_t place, int32_t* iconNumber,
                                                       char* bitmapFileName, int32_t* position,
                                                       int32_t* entryCount) {
    try {
        return ToQsBool(qs::DescribeToolbarButton(place, iconNumber, bitmapFileName, position, entryCount));
    } catch (...) {
        return QsFalse;
    }
}

QS_EXPORT QsBool QS_STDCALL OnGereRaccourci(int32_t /*ignored*/) {
    try {
        qs::RunSearch(0);
    } catch (...) {
    }
    return QsTrue;
}

QS_EXPORT void QS_STDCALL ShowInformation() {
    try {
        qs::ShowAboutBox();
    } catch (...) {
    }
}

QS_EXPORT QsBool QS_STDCALL NomPlugin(char* name, int32_t* length) {
    try {
        return ToQsBool(qs::CopyPluginName(name, length));
    } catch (...) {
        return QsFalse;
    }
}

QS_EXPORT int32_t QS_STDCALL ApresCreationPlugin() {
    try {
        return qs::RegisterShortcut();
    } catch (...) {
        return 0;
    }
}

QS_EXPORT void QS_STDCALL Init(int32_t /*ignored*/, int32_t /*ignored*/) {
    try {
        qs::Load();
    } catch (...) {
    }
}
