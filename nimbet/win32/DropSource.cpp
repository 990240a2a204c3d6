// Drop source of a dragged selection.
#include "DropSource.h"

namespace nimbet::win32 {

HRESULT DropSource::QueryInterface(REFIID riid, void** out) {
    if (!out)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDropSource) {
        *out = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG DropSource::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG DropSource::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT DropSource::QueryContinueDrag(BOOL escapePressed, DWORD keys) {
    const bool left = keys & MK_LBUTTON, right = keys & MK_RBUTTON;
    if (escapePressed || (left && right))
        return DRAGDROP_S_CANCEL;
    if (left || right)
        return S_OK;
    return DRAGDROP_S_DROP;
}

} // namespace nimbet::win32
