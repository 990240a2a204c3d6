// The drag data object, its format enumerator and the drop source's answers,
// through their COM interfaces.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "../../nimbet/win32/DataObject.h"
#include "../../nimbet/win32/DropSource.h"

using namespace nimbet::win32;

namespace {

HGLOBAL TextBlock(const char* text) {
    const size_t size = std::strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    std::memcpy(GlobalLock(block), text, size);
    GlobalUnlock(block);
    return block;
}

FORMATETC TextFormat(DWORD aspect = DVASPECT_CONTENT, DWORD tymed = TYMED_HGLOBAL) {
    return {CF_TEXT, nullptr, aspect, -1, tymed};
}

} // namespace

TEST(DataObject, HoldsTextAndHandsOutCopies) {
    DataObject* data = DataObject::Create(1);
    ASSERT_NE(data, nullptr);
    FORMATETC format = TextFormat();
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = TextBlock("ドラッグ\\テキスト");
    ASSERT_EQ(data->SetData(&format, &medium, TRUE), S_OK);
    EXPECT_EQ(data->SetData(&format, &medium, FALSE), E_OUTOFMEMORY) << "capacity 1";

    EXPECT_EQ(data->QueryGetData(&format), S_OK);
    FORMATETC wrongAspect = TextFormat(DVASPECT_ICON);
    EXPECT_EQ(data->QueryGetData(&wrongAspect), DV_E_DVASPECT);
    FORMATETC wrongMedium = TextFormat(DVASPECT_CONTENT, TYMED_ISTREAM);
    EXPECT_EQ(data->QueryGetData(&wrongMedium), DV_E_FORMATETC);
    FORMATETC other{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    EXPECT_EQ(data->QueryGetData(&other), DV_E_FORMATETC);
    EXPECT_EQ(data->GetData(nullptr, &medium), E_INVALIDARG);

    STGMEDIUM copy{};
    ASSERT_EQ(data->GetData(&format, &copy), S_OK);
    EXPECT_NE(copy.hGlobal, medium.hGlobal);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(copy.hGlobal)), "ドラッグ\\テキスト");
    GlobalUnlock(copy.hGlobal);
    ReleaseStgMedium(&copy);

    IEnumFORMATETC* formats = nullptr;
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, &formats), E_NOTIMPL);
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    FORMATETC got[2];
    ULONG fetched = 9;
    EXPECT_EQ(formats->Next(2, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(got[0].cfFormat, CF_TEXT);
    EXPECT_EQ(formats->Next(2, got, nullptr), E_INVALIDARG);
    IEnumFORMATETC* clone = nullptr;
    ASSERT_EQ(formats->Clone(&clone), S_OK);
    EXPECT_EQ(clone->Next(1, got, nullptr), S_FALSE) << "the clone keeps the cursor";
    EXPECT_EQ(formats->Reset(), S_OK);
    EXPECT_EQ(formats->Next(1, got, nullptr), S_OK);
    EXPECT_EQ(formats->Skip(1), S_FALSE);
    clone->Release();
    formats->Release();
    EXPECT_EQ(data->Release(), 0u);
}

TEST(DropSource, EscapeOrBothButtonsCancelAndReleasingDrops) {
    auto* source = new DropSource();
    EXPECT_EQ(source->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON | MK_RBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_RBUTTON), S_OK);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(source->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    unknown->Release();
    EXPECT_EQ(source->Release(), 0u);
}
