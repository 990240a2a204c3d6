// Library attach and detach: remember the module handle; destroy whatever
// instances are left when the library goes away.
#include <windows.h>

#include "../api/Registry.h"
#include "Module.h"

namespace nimbet::win32 {
namespace {
HINSTANCE g_module = nullptr;
}
HINSTANCE ModuleHandle() noexcept { return g_module; }
void SetModuleHandle(HINSTANCE module) noexcept { g_module = module; }
} // namespace nimbet::win32

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        nimbet::win32::SetModuleHandle(module);
        DisableThreadLibraryCalls(module);
        break;
    case DLL_PROCESS_DETACH:
        // At process exit (reserved != null) windows may already be gone and
        // other threads killed: only free memory then.
        if (!reserved)
            nimbet::api::Registry().clear();
        break;
    default:
        break;
    }
    return TRUE;
}
