// Picture sizes through OLE's picture loader.
#include "PictureLoader.h"

#include <ocidl.h>
#include <olectl.h>

#include <vector>

namespace quiltmark {
namespace {

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return {};
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide.data();
}

} // namespace

std::optional<PixelSize> LoadPictureSize(const std::string& path, HDC dc, PictureProblem& problem) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        problem = PictureProblem::NotFound;
        return std::nullopt;
    }
    problem = PictureProblem::NotAPicture;
    std::wstring wide = Wide(path);
    if (wide.empty())
        return std::nullopt;
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture,
                                  reinterpret_cast<void**>(&picture))) ||
        !picture)
        return std::nullopt;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    const bool measured = SUCCEEDED(picture->get_Width(&width)) && SUCCEEDED(picture->get_Height(&height));
    picture->Release();
    if (!measured)
        return std::nullopt;
    problem = PictureProblem::None;
    return PixelSize{HimetricToPixels(width, GetDeviceCaps(dc, LOGPIXELSX)),
                     HimetricToPixels(height, GetDeviceCaps(dc, LOGPIXELSY))};
}

} // namespace quiltmark
