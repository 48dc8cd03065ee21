// Resolution of the eight exports, common to both platforms.
#include "host/PluginLibrary.h"

namespace host {

const char* const ExportNames[8] = {"OnClicSousMenu", "DefinirUnSousMenu", "AjouterBoutonRaccourciMenu",
                                    "OnGereRaccourci", "ShowInformation",   "NomPlugin",
                                    "ApresCreationPlugin", "Init"};

namespace {
template <typename Function>
void Bind(Function& target, void* address) {
    target = reinterpret_cast<Function>(address);
}
}  // namespace

PluginLibrary::PluginLibrary(void* handle, std::string path) : handle_(handle), path_(std::move(path)) {
    Bind(exports_.OnClicSousMenu, ExportByName("OnClicSousMenu"));
    Bind(exports_.DefinirUnSousMenu, ExportByName("DefinirUnSousMenu"));
    Bind(exports_.AjouterBoutonRaccourciMenu, ExportByName("AjouterBoutonRaccourciMenu"));
    Bind(exports_.OnGereRaccourci, ExportByName("OnGereRaccourci"));
    Bind(exports_.ShowInformation, ExportByName("ShowInformation"));
    Bind(exports_.NomPlugin, ExportByName("NomPlugin"));
    Bind(exports_.ApresCreationPlugin, ExportByName("ApresCreationPlugin"));
    Bind(exports_.Init, ExportByName("Init"));
}

}  // namespace host
