// Loading the control's cursors.
#include "Cursors.h"

#include "Module.h"
#include "NimbetResource.h"

namespace nimbet::win32 {

HCURSOR CursorFor(CursorShape shape) noexcept {
    HCURSOR cursor = nullptr;
    switch (shape) {
    case CursorShape::IBeam: cursor = LoadCursor(nullptr, IDC_IBEAM); break;
    case CursorShape::LineSelect:
        cursor = LoadCursor(ModuleHandle(), MAKEINTRESOURCE(IDC_NIMBET_LINESELECT));
        break;
    case CursorShape::Link: cursor = LoadCursor(ModuleHandle(), MAKEINTRESOURCE(IDC_NIMBET_LINK)); break;
    case CursorShape::Arrow: break;
    }
    return cursor ? cursor : LoadCursor(nullptr, IDC_ARROW);
}

} // namespace nimbet::win32
