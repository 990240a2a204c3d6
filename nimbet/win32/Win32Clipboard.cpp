// Clipboard blocks are movable, zero-filled global memory; each operation
// opens and closes the clipboard itself.
#include "Win32Clipboard.h"

#include <cstring>

namespace nimbet::win32 {

namespace {
// Closes the clipboard when the operation ends, also by an exception.
struct OpenedClipboard {
    ~OpenedClipboard() { CloseClipboard(); }
};
struct LockedBlock {
    explicit LockedBlock(HANDLE block) : block(block), bytes(static_cast<const char*>(GlobalLock(block))) {}
    ~LockedBlock() {
        if (bytes)
            GlobalUnlock(block);
    }
    HANDLE block;
    const char* bytes;
};
} // namespace

bool Win32Clipboard::write(std::string_view text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (!block)
        return false;
    void* bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(bytes, text.data(), text.size());
    GlobalUnlock(block);
    if (!OpenClipboard(owner_)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool stored = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!stored)
        GlobalFree(block); // the clipboard owns the block only when it took it
    CloseClipboard();
    return stored;
}

bool Win32Clipboard::read(std::string& text) {
    text.clear();
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner_))
        return false;
    OpenedClipboard opened;
    HANDLE block = GetClipboardData(CF_TEXT);
    if (!block)
        return false;
    // Another program's block need not hold a NUL: never read past its size.
    const SIZE_T size = GlobalSize(block);
    LockedBlock locked(block);
    if (locked.bytes) {
        const void* nul = std::memchr(locked.bytes, '\0', size);
        text.assign(locked.bytes, nul ? static_cast<const char*>(nul) - locked.bytes : size);
    }
    return true;
}

} // namespace nimbet::win32
