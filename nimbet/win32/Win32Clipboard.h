// The system clipboard in the CF_TEXT form, opened with the control's parent
// as owner.
#pragma once

#include <windows.h>

#include "../core/Clipboard.h"

namespace nimbet::win32 {

class Win32Clipboard final : public ClipboardAccess {
public:
    explicit Win32Clipboard(HWND owner) : owner_(owner) {}
    bool write(std::string_view text) override;
    bool read(std::string& text) override;

private:
    HWND owner_;
};

} // namespace nimbet::win32
