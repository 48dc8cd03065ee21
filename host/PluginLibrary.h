// Loads the plug-in library from a folder and reaches its eight exports.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "plugin/Boundary.h"

namespace host {

struct PluginExports {
    QsBool(QS_STDCALL* OnClicSousMenu)(std::int32_t index) = nullptr;
    QsBool(QS_STDCALL* DefinirUnSousMenu)(std::int32_t index, QsBool* enabled, QsBool* visible,
                                          std::int32_t reserved, char* caption) = nullptr;
    QsBool(QS_STDCALL* AjouterBoutonRaccourciMenu)(std::int32_t place, std::int32_t* iconNumber,
                                                   char* bitmapFileName, std::int32_t* position,
                                                   std::int32_t* entryCount) = nullptr;
    QsBool(QS_STDCALL* OnGereRaccourci)(std::int32_t ignored) = nullptr;
    void(QS_STDCALL* ShowInformation)() = nullptr;
    QsBool(QS_STDCALL* NomPlugin)(char* name, std::int32_t* length) = nullptr;
    std::int32_t(QS_STDCALL* ApresCreationPlugin)() = nullptr;
    void(QS_STDCALL* Init)(std::int32_t, std::int32_t) = nullptr;
};

// The names of the exports, in ordinal order (ordinal = index + 1).
extern const char* const ExportNames[8];

class PluginLibrary {
public:
    // The library file's name on this platform: Quickseek.dll or Quickseek.so.
    static const char* FileName();
    // Loads FileName() from the folder; null with a message in error when that fails.
    static std::unique_ptr<PluginLibrary> Load(const std::string& folder, std::string* error);

    ~PluginLibrary();  // unloads
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    const PluginExports& Exports() const { return exports_; }
    void* ExportByName(const char* name) const;
    // Windows: the export of that ordinal. Elsewhere ordinals do not exist: null.
    void* ExportByOrdinal(int ordinal) const;
    void* Handle() const { return handle_; }
    const std::string& Path() const { return path_; }

private:
    explicit PluginLibrary(void* handle, std::string path);
    void* handle_;
    std::string path_;
    PluginExports exports_;
};

}  // namespace host
