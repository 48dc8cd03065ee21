// The clipboard copy: a movable global block, filled, handed to the clipboard as CF_TEXT.
#include "platform/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace qs {

bool CopyToClipboard(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (block == nullptr) return false;
    bool accepted = false;
    if (void* memory = GlobalLock(block)) {
        std::memcpy(memory, text.c_str(), text.size() + 1);
        // GlobalUnlock answers non-zero while the block is still locked.
        if (GlobalUnlock(block) == 0 && OpenClipboard(nullptr)) {
            EmptyClipboard();
            accepted = SetClipboardData(CF_TEXT, block) != nullptr;
            CloseClipboard();
        }
    }
    // Once the clipboard has taken the block it owns it; otherwise it is still ours.
    if (!accepted) GlobalFree(block);
    return accepted;
}

}  // namespace qs
