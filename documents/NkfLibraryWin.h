// NKF32.DLL loaded by name through the platform's library search, for one
// operation at a time.
#pragma once

#include <windows.h>

#include <string>

#include "CharacterCodes.h"

namespace quiltmark {

class NkfLibraryWin : public NkfLibrary {
  public:
    std::unique_ptr<NkfModule> Load() override;
};

// The library's version text (GetNkfVersion), or empty when the library or
// the function is missing.
std::string NkfVersionText();

} // namespace quiltmark
