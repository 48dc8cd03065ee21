// The DLL carries its own copy of the toolchain's thread library (winpthreads), since it must
// run on a stock Windows. The exception unwinder uses it when the DLL loads (pthread_once, to
// register the DLL's unwind tables), and on first use the library takes a thread-local storage
// slot, and for the calling thread a record holding an event and a duplicate of the thread's
// handle. It never gives any of them back: it frees its records only when a thread ends, and
// its slot never. A host that loads and unloads the plug-in thus lost a slot and two handles
// each time, and as a process has only about a thousand slots, the thread library aborted
// the host's process at about the thousandth load.
//
// So at unload the thread record of the unloading thread is handed to the library's own
// thread-end callback, which closes its handles, clears the slot and keeps the record for
// reuse; the slot that this cleared is the library's and is freed, and so is the record, as
// no reuse will come. Nothing in the DLL uses the thread library after DllMain's detach: the
// destructors that follow only pass its fast paths. (What remains, a few hundred bytes per
// load, is held by the library's static data, out of reach.)
#include "platform/win32/ThreadLibraryRelease.h"

#include <pthread.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

// The thread library's TLS callback (thread.c of winpthreads); absent with another runtime.
extern "C" __attribute__((weak)) PIMAGE_TLS_CALLBACK __xl_f;

namespace qs {

namespace {

// TLS_MINIMUM_AVAILABLE slots and the expansion slots: every index TlsAlloc can give.
constexpr DWORD TlsSlotCount = 64 + 1024;

std::vector<void*> TlsValues() {
    std::vector<void*> values(TlsSlotCount);
    const DWORD lastError = GetLastError();
    for (DWORD slot = 0; slot < TlsSlotCount; ++slot) values[slot] = TlsGetValue(slot);
    SetLastError(lastError);
    return values;
}

}  // namespace

void ReleaseThreadLibrary(HINSTANCE instance) {
    if (&__xl_f == nullptr || __xl_f == nullptr) return;
    // The record of this thread, made now if the thread has none yet: its address lies just
    // before the cleanup list that this returns.
    const auto* record = reinterpret_cast<const char*>(pthread_getclean());
    if (record == nullptr) return;

    const std::vector<void*> before = TlsValues();
    __xl_f(instance, DLL_THREAD_DETACH, nullptr);
    const std::vector<void*> after = TlsValues();

    DWORD librarySlot = TLS_OUT_OF_INDEXES;
    for (DWORD slot = 0; slot < TlsSlotCount; ++slot) {
        const auto* value = static_cast<const char*>(before[slot]);
        // Cleared by the callback and pointing at the record: the library's slot.
        if (value == nullptr || after[slot] != nullptr || record < value || record - value > 64) continue;
        if (librarySlot != TLS_OUT_OF_INDEXES) return;  // not one alone: leave them all
        librarySlot = slot;
    }
    if (librarySlot == TLS_OUT_OF_INDEXES) return;
    TlsFree(librarySlot);
    std::free(before[librarySlot]);  // allocated by the library with the same C runtime
}

}  // namespace qs
