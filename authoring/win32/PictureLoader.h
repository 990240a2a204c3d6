// The size of a picture file in screen pixels, read through OLE's picture
// loader (PNG, GIF, JPEG, BMP and the other formats it knows). The loader
// works alike on Windows and under Wine; the sizes it reports in HIMETRIC
// units are converted with the device context's pixels per inch.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "StructuredInsertions.h"

namespace quiltmark {

// The picture's size, or nothing with the reason: no such file, or a file
// that is no picture the loader can read.
std::optional<PixelSize> LoadPictureSize(const std::string& path, HDC dc, PictureProblem& problem);

} // namespace quiltmark
