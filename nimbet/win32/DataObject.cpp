// The drag data object, its format enumerator and medium duplication.
#include "DataObject.h"

#include <cstring>
#include <new>

namespace nimbet::win32 {

namespace {

HGLOBAL DuplicateGlobal(HGLOBAL source) {
    const SIZE_T size = GlobalSize(source);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy)
        return nullptr;
    void* from = GlobalLock(source);
    void* to = GlobalLock(copy);
    if (from && to)
        std::memcpy(to, from, size);
    if (to)
        GlobalUnlock(copy);
    if (from)
        GlobalUnlock(source);
    if (!from || !to) {
        GlobalFree(copy);
        return nullptr;
    }
    return copy;
}

} // namespace

HRESULT DuplicateMedium(const STGMEDIUM& source, CLIPFORMAT format, STGMEDIUM& copy) {
    copy = {};
    copy.tymed = source.tymed;
    switch (source.tymed) {
    case TYMED_HGLOBAL:
        copy.hGlobal = DuplicateGlobal(source.hGlobal);
        if (!copy.hGlobal)
            return E_OUTOFMEMORY;
        break;
    case TYMED_FILE: {
        const size_t length = source.lpszFileName ? wcslen(source.lpszFileName) + 1 : 0;
        copy.lpszFileName = static_cast<LPOLESTR>(CoTaskMemAlloc(length * sizeof(wchar_t)));
        if (!copy.lpszFileName)
            return E_OUTOFMEMORY;
        std::memcpy(copy.lpszFileName, source.lpszFileName, length * sizeof(wchar_t));
        break;
    }
    case TYMED_GDI:
    case TYMED_MFPICT:
    case TYMED_ENHMF:
        copy.hGlobal = static_cast<HGLOBAL>(OleDuplicateData(source.hGlobal, format, 0));
        if (!copy.hGlobal)
            return E_OUTOFMEMORY;
        break;
    default:
        return E_OUTOFMEMORY;
    }
    copy.pUnkForRelease = nullptr;
    return S_OK;
}

DataObject* DataObject::Create(size_t capacity) {
    auto* object = new (std::nothrow) DataObject(capacity);
    if (!object)
        return nullptr;
    try {
        object->formats_.reserve(capacity);
        object->media_.reserve(capacity);
    } catch (...) {
        object->Release();
        return nullptr;
    }
    return object;
}

DataObject::~DataObject() {
    for (STGMEDIUM& medium : media_)
        ReleaseStgMedium(&medium);
}

HRESULT DataObject::QueryInterface(REFIID riid, void** out) {
    if (!out)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDataObject) {
        *out = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG DataObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG DataObject::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT DataObject::find(const FORMATETC* format, size_t& index) const {
    if (!format)
        return E_INVALIDARG;
    if (!(format->dwAspect & DVASPECT_CONTENT))
        return DV_E_DVASPECT;
    for (size_t i = 0; i < formats_.size(); ++i) {
        if (formats_[i].cfFormat == format->cfFormat && (formats_[i].tymed & format->tymed)) {
            index = i;
            return S_OK;
        }
    }
    return DV_E_FORMATETC;
}

HRESULT DataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium)
        return E_INVALIDARG;
    size_t index = 0;
    const HRESULT found = find(format, index);
    if (FAILED(found))
        return found;
    return DuplicateMedium(media_[index], formats_[index].cfFormat, *medium);
}

HRESULT DataObject::QueryGetData(FORMATETC* format) {
    size_t index = 0;
    return find(format, index);
}

HRESULT DataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) {
    if (!format || !medium)
        return E_INVALIDARG;
    if (formats_.size() >= capacity_)
        return E_OUTOFMEMORY;
    STGMEDIUM stored{};
    if (release) {
        stored = *medium;
    } else {
        const HRESULT copied = DuplicateMedium(*medium, format->cfFormat, stored);
        if (FAILED(copied))
            return copied;
    }
    formats_.push_back(*format);
    media_.push_back(stored);
    return S_OK;
}

HRESULT DataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
    if (!out)
        return E_INVALIDARG;
    *out = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    auto* enumerator = new (std::nothrow) FormatEnumerator(formats_);
    if (!enumerator)
        return E_OUTOFMEMORY;
    *out = enumerator;
    return S_OK;
}

FormatEnumerator::FormatEnumerator(const std::vector<FORMATETC>& formats, size_t cursor)
    : formats_(formats), cursor_(cursor) {}

HRESULT FormatEnumerator::QueryInterface(REFIID riid, void** out) {
    if (!out)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IEnumFORMATETC) {
        *out = static_cast<IEnumFORMATETC*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG FormatEnumerator::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG FormatEnumerator::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT FormatEnumerator::Next(ULONG count, FORMATETC* out, ULONG* fetched) {
    if (!out || (count > 1 && !fetched))
        return E_INVALIDARG;
    ULONG delivered = 0;
    while (delivered < count && cursor_ < formats_.size())
        out[delivered++] = formats_[cursor_++];
    if (fetched)
        *fetched = delivered;
    return delivered == count ? S_OK : S_FALSE;
}

HRESULT FormatEnumerator::Skip(ULONG count) {
    cursor_ += count;
    if (cursor_ > formats_.size()) {
        cursor_ = formats_.size();
        return S_FALSE;
    }
    return S_OK;
}

HRESULT FormatEnumerator::Reset() {
    cursor_ = 0;
    return S_OK;
}

HRESULT FormatEnumerator::Clone(IEnumFORMATETC** out) {
    if (!out)
        return E_INVALIDARG;
    auto* copy = new (std::nothrow) FormatEnumerator(formats_, cursor_);
    *out = copy;
    return copy ? S_OK : E_OUTOFMEMORY;
}

} // namespace nimbet::win32
