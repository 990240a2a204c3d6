// NKF32.DLL loaded by name through the platform's library search, for one
// operation at a time.
#pragma once

#include <windows.h>

#include <string>

#include "CharacterCodes.h"

namespace quiltmark {

class NkfLibraryWin : public NkfLibrary {
  public:
    // Loads the library for one use of its functions; one such use runs at a
    // time in the whole program, whichever thread it comes from.
    std::unique_ptr<NkfModule> Load() override;
    // Loading and unloading alone touch none of the library's state, so the
    // probe never waits for a conversion on another thread.
    bool Present() override;
};

// The library's version text (GetNkfVersion), or empty when the library or
// the function is missing.
std::string NkfVersionText();

} // namespace quiltmark
