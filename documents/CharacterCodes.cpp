// Conversion rules over the NKF32.DLL seam.
#include "CharacterCodes.h"

#include <algorithm>
#include <cstring>

namespace quiltmark {
namespace {

constexpr std::size_t kGuardFactor = 8;
constexpr std::size_t kGuardExtra = 16;

const char* OptionText(char option) {
    switch (option) {
    case 'e':
        return "e";
    case 'j':
        return "j";
    case 'w':
        return "w";
    default:
        return "s";
    }
}

} // namespace

std::size_t ContractOutputSize(std::size_t n, char option) {
    return (option == 'j' || option == 'w' ? 3 * n : 2 * n) + 1;
}

std::size_t OutputBufferSize(std::size_t n, char option) {
    return std::max(ContractOutputSize(n, option), kGuardFactor * n + kGuardExtra);
}

Conversion ConvertWith(NkfModule& module, const std::string& text, char option) {
    if (!module.HasConversion())
        return {text, CodeMessage::None};
    const char* optionText = OptionText(option);
    const int accepted = module.SetNkfOption(optionText);
    // "w" is offered only by the extended library, which answers it with a
    // value of 0 or more; the others answer 0 when they accept.
    const bool isUtf8 = optionText[0] == 'w';
    if (isUtf8 ? accepted < 0 : accepted != 0)
        return {text, isUtf8 ? CodeMessage::ExtendedLibraryNeeded : CodeMessage::None};

    const std::size_t size = OutputBufferSize(text.size(), option);
    // Not value-initialised: only the part the library writes is touched.
    std::unique_ptr<char[]> out(new char[size]);
    out[0] = '\0';
    out[size - 1] = '\0';
    module.NkfConvert(out.get(), text.c_str());
    return {std::string(out.get(), strnlen(out.get(), size - 1)), CodeMessage::None};
}

Conversion Convert(NkfLibrary& library, const std::string& text, char option) {
    std::unique_ptr<NkfModule> module = library.Load();
    if (!module)
        return {text, CodeMessage::LibraryMissing};
    return ConvertWith(*module, text, option);
}

bool TextsEqual(NkfLibrary& library, const std::string& a, const std::string& b) {
    if (!library.Present())
        return a == b;
    return Convert(library, a, 's').text == Convert(library, b, 's').text;
}

SavePlan PlanSave(int saveCode, bool libraryPresent) {
    static constexpr char kOptions[] = {'s', 'e', 'j', 'w'};
    const bool known = saveCode >= kSaveSjis && saveCode <= kSaveUtf8;
    SavePlan plan;
    plan.option = known ? kOptions[saveCode] : 's';
    plan.convert = libraryPresent;
    plan.tellSavedUnconverted = !libraryPresent && plan.option != 's';
    return plan;
}

SaveCodeChoice ChooseSaveCode(int requested, bool libraryPresent) {
    if (requested == kSaveSjis || libraryPresent)
        return {requested, CodeMessage::None};
    return {kSaveSjis, requested == kSaveUtf8 ? CodeMessage::Utf8SaveCodeNeedsLibrary
                                              : CodeMessage::SaveCodeNeedsLibrary};
}

} // namespace quiltmark
