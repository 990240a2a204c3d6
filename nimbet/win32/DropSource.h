// The IDropSource of a drag started from the control: Escape or both buttons
// cancel, releasing the buttons drops; the cursors are the system's.
#pragma once

#include <windows.h>
#include <oleidl.h>

namespace nimbet::win32 {

class DropSource final : public IDropSource {
public:
    DropSource() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    ~DropSource() = default;
    LONG references_ = 1;
};

} // namespace nimbet::win32
