// Entry point of Quiltmark.exe: the first command-line argument names a file
// to open.
#include <windows.h>
#include <ole2.h>

#include <cstdlib>

#include "QuiltmarkApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    // OLE for the hosted controls and the editor's drag-and-drop.
    const HRESULT ole = OleInitialize(nullptr);
    int exitCode = 1;
    {
        quiltmark::CQuiltmarkApp app(instance, show, __argc > 1 ? __argv[1] : "");
        if (app.InitInstance())
            exitCode = app.Run();
    }
    if (SUCCEEDED(ole))
        OleUninitialize();
    return exitCode;
}
