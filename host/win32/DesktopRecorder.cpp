// Windows: recorders put into the plug-in library's import table.
#include "host/DesktopRecorder.h"

#include <windows.h>

#include <cstring>

#include "host/PluginLibrary.h"

namespace host {

namespace {

struct Recording {
    std::vector<ShellCall> shellCalls;
    std::vector<std::string> clipboardTexts;
    bool refuseClipboard = false;
    bool clipboardOpen = false;
};
Recording* g_recording = nullptr;

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                    INT show) {
    if (g_recording)
        g_recording->shellCalls.push_back({owner == nullptr, verb == nullptr, file ? file : "",
                                           parameters ? parameters : "(null)", directory ? directory : "(null)", show});
    return reinterpret_cast<HINSTANCE>(42);
}

BOOL WINAPI RecordOpenClipboard(HWND) {
    if (g_recording) g_recording->clipboardOpen = true;
    return TRUE;
}
BOOL WINAPI RecordEmptyClipboard() { return TRUE; }
BOOL WINAPI RecordCloseClipboard() {
    if (g_recording) g_recording->clipboardOpen = false;
    return TRUE;
}
HANDLE WINAPI RecordSetClipboardData(UINT format, HANDLE data) {
    if (!g_recording || format != CF_TEXT || g_recording->refuseClipboard || !g_recording->clipboardOpen) return nullptr;
    if (const char* text = static_cast<const char*>(GlobalLock(data))) {
        g_recording->clipboardTexts.emplace_back(text);
        GlobalUnlock(data);
    }
    // The clipboard owns an accepted block; this one owns nothing, so it lets it go.
    GlobalFree(data);
    return data;
}

// Points the module's import of dll!function at replacement; gives the previous address.
void* PatchImport(HMODULE module, const char* dll, const char* function, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) return nullptr;
    for (auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         descriptor->Name != 0; ++descriptor) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + descriptor->Name), dll) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->OriginalFirstThunk);
        auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
            DWORD oldProtection = 0;
            VirtualProtect(&addresses->u1.Function, sizeof(void*), PAGE_READWRITE, &oldProtection);
            void* previous = reinterpret_cast<void*>(addresses->u1.Function);
            addresses->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&addresses->u1.Function, sizeof(void*), oldProtection, &oldProtection);
            return previous;
        }
    }
    return nullptr;
}

}  // namespace

struct DesktopRecorder::Impl {
    Recording recording;
};

DesktopRecorder::DesktopRecorder(PluginLibrary& library) : impl_(new Impl) {
    g_recording = &impl_->recording;
    HMODULE module = static_cast<HMODULE>(library.Handle());
    PatchImport(module, "SHELL32.dll", "ShellExecuteA", reinterpret_cast<void*>(&RecordShellExecute));
    PatchImport(module, "USER32.dll", "OpenClipboard", reinterpret_cast<void*>(&RecordOpenClipboard));
    PatchImport(module, "USER32.dll", "EmptyClipboard", reinterpret_cast<void*>(&RecordEmptyClipboard));
    PatchImport(module, "USER32.dll", "SetClipboardData", reinterpret_cast<void*>(&RecordSetClipboardData));
    PatchImport(module, "USER32.dll", "CloseClipboard", reinterpret_cast<void*>(&RecordCloseClipboard));
}

DesktopRecorder::~DesktopRecorder() { g_recording = nullptr; }

std::vector<ShellCall> DesktopRecorder::ShellCalls(std::size_t) { return impl_->recording.shellCalls; }
std::vector<std::string> DesktopRecorder::ClipboardTexts(std::size_t) { return impl_->recording.clipboardTexts; }
void DesktopRecorder::RefuseClipboard(bool refuse) { impl_->recording.refuseClipboard = refuse; }
std::string DesktopRecorder::AsDesktopText(const std::string& ansi) { return ansi; }

}  // namespace host
