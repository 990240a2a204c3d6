// The shell call behind opening a link.
#include "LinkOpener.h"

#include <shellapi.h>

namespace nimbet::win32 {

bool OpenLink(HWND parent, const char* text, int length, const LinkSpan& link) {
    return OpenLinkTarget(parent, LinkOpenText(text, length, link));
}

bool OpenLinkTarget(HWND parent, const std::string& target) {
    if (target.empty())
        return false;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(parent, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32; // values up to 32 are the shell's error codes
}

} // namespace nimbet::win32
