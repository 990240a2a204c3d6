// Starting an external tool through the shell; browsers get the preview file
// as a file:/// address.
#pragma once

#include <windows.h>

#include <string>

namespace quiltmark {

// Starts `program` (no verb, no working folder, normal show state); a browser
// tool receives BrowserAddress(previewPath) as its parameters. False when the
// shell reports failure.
bool RunTool(HWND owner, const std::string& program, bool isBrowser, const std::string& previewPath);

} // namespace quiltmark
