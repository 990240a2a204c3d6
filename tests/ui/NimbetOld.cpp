// A stand-in Nimbet.dll that reports version 1.44 and forwards every other
// export to the real library (copied beside it as NimbetReal.dll), so the UI
// driver can start the program against an older library.
#include <windows.h>

extern "C" int WINAPI GetNimbetVer(void) {
    return 144;
}
