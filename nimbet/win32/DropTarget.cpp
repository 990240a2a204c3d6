// The control as an OLE drop target, and dragging its selection out. Only
// CF_TEXT in global memory is exchanged; the decisions are the editor's
// (DragDropSession), this file speaks OLE.
#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "DataObject.h"
#include "DropSource.h"
#include "EditorInstance.h"
#include "InputGuard.h"

namespace nimbet::win32 {

namespace {

FORMATETC TextFormat() noexcept {
    return {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool OffersText(IDataObject* data) noexcept {
    if (!data)
        return false;
    FORMATETC format = TextFormat();
    return data->QueryGetData(&format) == S_OK;
}

DWORD ToOle(DropEffect effect) noexcept {
    switch (effect) {
    case DropEffect::Copy:
        return DROPEFFECT_COPY;
    case DropEffect::Move:
        return DROPEFFECT_MOVE;
    case DropEffect::None:
        break;
    }
    return DROPEFFECT_NONE;
}

DropEffect FromOle(DWORD effect) noexcept {
    if (effect & DROPEFFECT_MOVE)
        return DropEffect::Move;
    if (effect & DROPEFFECT_COPY)
        return DropEffect::Copy;
    return DropEffect::None;
}

AllowedEffects AllowedOf(DWORD effects) noexcept {
    return {(effects & DROPEFFECT_COPY) != 0, (effects & DROPEFFECT_MOVE) != 0};
}

// The text of a CF_TEXT block, up to its NUL but never beyond the block.
bool ReadText(HGLOBAL block, std::string& text) {
    const SIZE_T size = GlobalSize(block);
    const auto* bytes = static_cast<const char*>(GlobalLock(block));
    if (!bytes)
        return false;
    const char* end = static_cast<const char*>(std::memchr(bytes, '\0', size));
    text.assign(bytes, end ? static_cast<size_t>(end - bytes) : size);
    GlobalUnlock(block);
    return true;
}

} // namespace

void EditorInstance::registerDropTarget() {
    // Fails when the thread has not initialised OLE: the control then works
    // without drag-and-drop.
    dropRegistered_ = SUCCEEDED(RegisterDragDrop(hwnd_, static_cast<IDropTarget*>(this)));
    mouse_.setDragOutAvailable(dropRegistered_);
}

void EditorInstance::revokeDropTarget() {
    forgetDragData();
    if (!dropRegistered_)
        return;
    RevokeDragDrop(hwnd_);
    // No caller of another process may reach the instance once it is gone.
    CoDisconnectObject(static_cast<IDropTarget*>(this), 0);
    dropRegistered_ = false;
}

void EditorInstance::forgetDragData() {
    if (dragData_)
        dragData_->Release();
    dragData_ = nullptr;
    dragOffersText_ = false;
}

HRESULT EditorInstance::QueryInterface(REFIID riid, void** out) {
    if (!out)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
        *out = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG EditorInstance::AddRef() {
    return static_cast<ULONG>(++dropReferences_);
}

ULONG EditorInstance::Release() {
    if (dropReferences_ > 0)
        --dropReferences_;
    return static_cast<ULONG>(dropReferences_);
}

HRESULT EditorInstance::DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    HWND top = GetAncestor(parent_, GA_ROOT);
    SetForegroundWindow(top ? top : parent_);
    forgetDragData();
    if (data) {
        data->AddRef();
        dragData_ = data;
        dragOffersText_ = OffersText(data);
    }
    return DragOver(keys, point, effect);
}

HRESULT EditorInstance::DragOver(DWORD keys, POINTL point, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    const AllowedEffects allowed = AllowedOf(*effect);
    *effect = DROPEFFECT_NONE;
    if (busy())
        return S_OK;
    try {
        BusyScope guard(*this);
        POINT client{point.x, point.y};
        ScreenToClient(hwnd_, &client);
        const DropEffect chosen =
            dragDrop_.dragOver(client.x, client.y, dragOffersText_, (keys & MK_CONTROL) != 0, allowed);
        placeCaret();
        *effect = ToOle(chosen);
    } catch (...) {
        return E_UNEXPECTED;
    }
    return S_OK;
}

HRESULT EditorInstance::DragLeave() {
    forgetDragData();
    return S_OK;
}

HRESULT EditorInstance::Drop(IDataObject* data, DWORD keys, POINTL, DWORD* effect) {
    if (!effect) {
        forgetDragData();
        return E_INVALIDARG;
    }
    const AllowedEffects allowed = AllowedOf(*effect);
    *effect = DROPEFFECT_NONE;
    IDataObject* source = data ? data : dragData_;
    if (busy() || !source) {
        forgetDragData();
        return S_OK;
    }
    HRESULT result = S_OK;
    {
        BusyScope guard(*this);
        try {
            // Onto itself nothing happens; without text to take the drop
            // fails and changes nothing.
            const bool ontoItself = dragDrop_.dropsOntoItself();
            const bool offersText = OffersText(source);
            if (!ontoItself && !offersText)
                result = DV_E_FORMATETC;
            DropEffect chosen = dragDrop_.dropEffect(offersText, (keys & MK_CONTROL) != 0, allowed);
            if (chosen != DropEffect::None) {
                FORMATETC format = TextFormat();
                STGMEDIUM medium{};
                result = source->GetData(&format, &medium);
                std::string text;
                if (SUCCEEDED(result)) {
                    const bool read = medium.tymed == TYMED_HGLOBAL && ReadText(medium.hGlobal, text);
                    ReleaseStgMedium(&medium);
                    if (!read)
                        result = DV_E_FORMATETC;
                }
                if (SUCCEEDED(result)) {
                    chosen = dragDrop_.drop(text, chosen);
                    placeCaret();
                    *effect = ToOle(chosen);
                }
            }
        } catch (const std::bad_alloc&) {
            result = E_OUTOFMEMORY;
        } catch (...) {
            result = E_UNEXPECTED;
        }
    }
    forgetDragData();
    // The parent may have asked to delete the control while hearing of the
    // drop. OLE still holds the target until this call returns, so the
    // deletion happens when the window handles the next message.
    if (deletePending)
        PostMessageA(hwnd_, WM_NULL, 0, 0);
    return result;
}

void EditorInstance::dragSelectionOut() {
    HoldScope hold(*this);
    const std::string text = editor_.selectedText();
    if (text.empty())
        return;
    // Allocation failures abandon the drag silently.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (!block)
        return;
    if (void* bytes = GlobalLock(block)) {
        std::memcpy(bytes, text.data(), text.size());
        GlobalUnlock(block);
    } else {
        GlobalFree(block);
        return;
    }
    DataObject* object = DataObject::Create(1);
    if (!object) {
        GlobalFree(block);
        return;
    }
    FORMATETC format = TextFormat();
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = block;
    if (FAILED(object->SetData(&format, &medium, TRUE))) {
        GlobalFree(block);
        object->Release();
        return;
    }
    auto* source = new (std::nothrow) DropSource();
    if (!source) {
        object->Release();
        return;
    }

    dragDrop_.dragOutStarted();
    const AllowedEffects allowed = dragDrop_.dragOutEffects();
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(
        object, source, (allowed.copy ? DROPEFFECT_COPY : 0) | (allowed.move ? DROPEFFECT_MOVE : 0), &effect);
    const DragOutcome outcome = result == DRAGDROP_S_DROP     ? DragOutcome::Dropped
                                : result == DRAGDROP_S_CANCEL ? DragOutcome::Cancelled
                                                              : DragOutcome::Failed;
    {
        BusyScope guard(*this);
        try {
            dragDrop_.dragOutEnded(outcome, FromOle(effect));
        } catch (...) {
            // A failed deletion leaves the text as it was.
        }
    }
    source->Release();
    object->Release();
}

} // namespace nimbet::win32
