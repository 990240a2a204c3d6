// A stand-in NKF32.DLL without UTF-8: SetNkfOption refuses "w" with -1 and
// accepts the other codes; NkfConvert hands the text back unchanged.
#include <windows.h>

#include <cstring>

extern "C" {

__declspec(dllexport) int WINAPI SetNkfOption(LPSTR option) {
    return option && option[0] == 'w' ? -1 : 0;
}

__declspec(dllexport) void WINAPI NkfConvert(LPSTR out, LPCSTR in) {
    std::strcpy(out, in);
}

__declspec(dllexport) void WINAPI GetNkfVersion(LPSTR version) {
    std::strcpy(version, "stand-in without UTF-8");
}
}
