// Character codes: the rules of converting the Shift_JIS editor text through
// the optional NKF32.DLL, behind a small seam (NkfLibrary / NkfModule) so that
// the rules are tested without the library and the real library is tested
// under Wine. The library is loaded for each operation and unloaded after it;
// nothing of it is kept between operations.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace quiltmark {

// One loaded instance of the library; destroying it unloads the library.
class NkfModule {
  public:
    virtual ~NkfModule() = default;
    // True when both SetNkfOption and NkfConvert were found.
    virtual bool HasConversion() const = 0;
    virtual int SetNkfOption(const char* option) = 0;
    // Writes the converted, NUL-terminated text into `out`.
    virtual void NkfConvert(char* out, const char* in) = 0;
};

class NkfLibrary {
  public:
    virtual ~NkfLibrary() = default;
    // The library loaded, or null when it cannot be loaded.
    virtual std::unique_ptr<NkfModule> Load() = 0;
    // Loads the library and unloads it again: true when it is there.
    virtual bool Present() { return Load() != nullptr; }
};

// The save codes of the settings (File/isCodeMode).
enum SaveCode : int { kSaveSjis = 0, kSaveEuc = 1, kSaveJis = 2, kSaveUtf8 = 3 };

// Questions and notes the user is shown about the library. The download
// questions offer the library's download page.
enum class CodeMessage {
    None,
    LibraryMissing,        // the library could not be loaded
    ExtendedLibraryNeeded, // the library offers no UTF-8; the text stayed Shift_JIS
    SaveCodeNeedsLibrary,  // EUC or 7-bit JIS chosen without the library
    Utf8SaveCodeNeedsLibrary,
    SavedUnconverted, // a save in another code found no library and wrote Shift_JIS
};

struct Conversion {
    std::string text;
    CodeMessage message = CodeMessage::None;
};

// The output buffer the library's contract names for an input of n bytes:
// 2n + 1 for "s" and "e", 3n + 1 for "j" and "w".
std::size_t ContractOutputSize(std::size_t n, char option);
// The buffer actually given to the library. The contract's size is too small
// for some texts: half-width katakana between ASCII letters grow to 4.5 times
// their size in 7-bit JIS (each one gains two escape sequences), and the
// library has no way to learn the buffer's size. The buffer is therefore at
// least eight times the input, which no conversion of the library exceeds.
std::size_t OutputBufferSize(std::size_t n, char option);

// Converts `text` with option 's' (Shift_JIS), 'e' (EUC-JP), 'j' (7-bit JIS)
// or 'w' (UTF-8): the library's output, or the text unchanged when the library
// is missing (LibraryMissing), lacks its functions, or refuses the option
// (ExtendedLibraryNeeded for a refused 'w', nothing for the others).
Conversion Convert(NkfLibrary& library, const std::string& text, char option);
// The same with a library already loaded.
Conversion ConvertWith(NkfModule& module, const std::string& text, char option);

// Both texts compared after conversion to Shift_JIS when the library is
// there, byte for byte otherwise.
bool TextsEqual(NkfLibrary& library, const std::string& a, const std::string& b);

// How a save writes the text: converted with `option`, or unchanged; and
// whether the user is told afterwards that the file is Shift_JIS although
// another code was chosen. A code outside 0-3 (a hand-edited settings file)
// saves as Shift_JIS.
struct SavePlan {
    bool convert = false;
    char option = 's';
    bool tellSavedUnconverted = false;
};
SavePlan PlanSave(int saveCode, bool libraryPresent);

// The save code after the user chose `requested` in the menu: codes other
// than Shift_JIS need the library, and without it the code goes back to
// Shift_JIS after a download question.
struct SaveCodeChoice {
    int code = kSaveSjis;
    CodeMessage message = CodeMessage::None;
};
SaveCodeChoice ChooseSaveCode(int requested, bool libraryPresent);

} // namespace quiltmark
