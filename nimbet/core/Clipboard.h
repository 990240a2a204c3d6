// What the editor needs from the system clipboard: text in the CF_TEXT form.
// The window layer implements it; tests use an in-memory fake.
#pragma once

#include <string>
#include <string_view>

namespace nimbet {

class ClipboardAccess {
public:
    virtual ~ClipboardAccess() = default;
    // Replaces the clipboard's contents by `text`; false when the clipboard
    // could not be opened or the block not allocated.
    virtual bool write(std::string_view text) = 0;
    // Reads the CF_TEXT data (up to its NUL) into `text`; false when there is
    // no text on the clipboard or it cannot be opened.
    virtual bool read(std::string& text) = 0;
};

} // namespace nimbet
