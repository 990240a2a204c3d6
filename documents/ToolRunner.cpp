// External tools through ShellExecute.
#include "ToolRunner.h"

#include <shellapi.h>

#include "PreviewFile.h"

namespace quiltmark {

bool RunTool(HWND owner, const std::string& program, bool isBrowser, const std::string& previewPath) {
    const std::string address = isBrowser ? BrowserAddress(previewPath) : std::string();
    const HINSTANCE result = ShellExecuteA(owner, nullptr, program.c_str(),
                                           isBrowser ? address.c_str() : nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace quiltmark
