// A small IDataObject over a fixed number of (format, medium) entries, and
// its IEnumFORMATETC. Used to hand a dragged selection to OLE as CF_TEXT.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <vector>

namespace nimbet::win32 {

class DataObject final : public IDataObject {
public:
    // A new object with one reference and room for `capacity` entries.
    static DataObject* Create(size_t capacity);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDataObject
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    explicit DataObject(size_t capacity) : capacity_(capacity) {}
    ~DataObject();
    // Index of the entry matching the format, or the error code to return.
    HRESULT find(const FORMATETC* format, size_t& index) const;

    LONG references_ = 1;
    size_t capacity_;
    std::vector<FORMATETC> formats_;
    std::vector<STGMEDIUM> media_;
};

class FormatEnumerator final : public IEnumFORMATETC {
public:
    // Copies the formats; the enumerator starts with one reference.
    FormatEnumerator(const std::vector<FORMATETC>& formats, size_t cursor = 0);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* out, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override;

private:
    ~FormatEnumerator() = default;
    LONG references_ = 1;
    std::vector<FORMATETC> formats_;
    size_t cursor_;
};

// Copies a storage medium (global memory, file, GDI, metafile and enhanced
// metafile media); other medium types fail with E_OUTOFMEMORY.
HRESULT DuplicateMedium(const STGMEDIUM& source, CLIPFORMAT format, STGMEDIUM& copy);

} // namespace nimbet::win32
