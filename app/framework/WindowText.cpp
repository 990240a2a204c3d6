// Reading a window's text.
#include "WindowText.h"

#include <algorithm>

namespace quiltmark {

std::string WindowText(HWND window) {
    if (!window)
        return {};
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::clamp(copied, 0, std::max(length, 0))));
    return text;
}

} // namespace quiltmark
