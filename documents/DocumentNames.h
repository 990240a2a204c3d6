// Names the document rules look at: the short title of the window, the
// extension that makes "open" offer a conversion, the preview file's name
// that can never become the document, and the window title with its marker.
// Paths are Shift_JIS; their separators are found as PathRules does.
#pragma once

#include <string>

namespace quiltmark {

// The file name part of `path`, or `noName` when it has none (an unnamed
// document's "path" is its folder, which ends in a backslash).
std::string ShortTitleOf(const std::string& path, const std::string& noName);

// The part of `path` after its last ".", ASCII letters lower-cased; empty
// when there is no ".".
std::string ExtensionOf(const std::string& path);

// True when the file name of `path` is the preview file's name. File names
// on Windows ignore case, so "TMP_PREVIEW.HTML" is the same file.
bool IsPreviewFileName(const std::string& path);

// The main window's title: `title` with " *" when the document is modified.
std::string WindowTitle(const std::string& title, bool modified);

// A folder chosen in the folder dialog as the document folder: with exactly
// one trailing backslash (a drive's root already has one).
std::string FolderWithSeparator(const std::string& folder);

} // namespace quiltmark
