// Windows: the library's import of MessageBoxA is pointed at a stand-in that answers OK at
// once, and put back afterwards.
#include "tests/boundary/QuietAboutBox.h"

#include <windows.h>

#include "host/PluginLibrary.h"

namespace qs_test {

namespace {

int WINAPI AnswerOk(HWND, LPCSTR, LPCSTR, UINT) { return IDOK; }

// The import-table slot of the module that holds `target`; null when it imports no such address.
ULONG_PTR* ImportSlotOf(HMODULE module, FARPROC target) {
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return nullptr;
    for (auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         descriptor->Name != 0; ++descriptor) {
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk); slot->u1.Function != 0;
             ++slot) {
            if (slot->u1.Function == reinterpret_cast<ULONG_PTR>(target)) return &slot->u1.Function;
        }
    }
    return nullptr;
}

void Exchange(ULONG_PTR* slot, ULONG_PTR value) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

}  // namespace

struct QuietAboutBox::Impl {
    ULONG_PTR* slot = nullptr;
    ULONG_PTR original = 0;
};

QuietAboutBox::QuietAboutBox(host::PluginLibrary& library) : impl_(new Impl) {
    const FARPROC messageBox = GetProcAddress(GetModuleHandleA("user32.dll"), "MessageBoxA");
    impl_->slot = ImportSlotOf(static_cast<HMODULE>(library.Handle()), messageBox);
    if (impl_->slot == nullptr) return;
    impl_->original = *impl_->slot;
    Exchange(impl_->slot, reinterpret_cast<ULONG_PTR>(&AnswerOk));
}

QuietAboutBox::~QuietAboutBox() {
    if (impl_->slot != nullptr) Exchange(impl_->slot, impl_->original);
}

bool QuietAboutBox::Ready() const { return impl_->slot != nullptr; }

}  // namespace qs_test
