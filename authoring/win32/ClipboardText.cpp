// Reading the clipboard's text.
#include "ClipboardText.h"

#include <cstring>

namespace quiltmark {

std::string ReadClipboardText(HWND owner) {
    std::string text;
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            // The block's size bounds the text even when its zero is missing.
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace quiltmark
