// Public interface of Nimbet.dll, the Shift_JIS source-editor control.
// Instances are addressed by small integer identifiers. Flag arguments are
// passed as int; only their low byte counts (0 = false).
#pragma once

#include <windows.h>

#include "NimbetCodes.h"

#ifdef NIMBET_BUILDING_DLL
#define NIMBET_EXPORT extern "C" __declspec(dllexport)
#else
#define NIMBET_EXPORT extern "C" __declspec(dllimport)
#endif

#define NIMBET_API(ord, ret, name, params, args) NIMBET_EXPORT ret WINAPI name params;
#define NIMBET_API_ALIAS(ord, ret, name, target, params, args) NIMBET_EXPORT ret WINAPI name params;
#include "NimbetApiList.h"
#undef NIMBET_API
#undef NIMBET_API_ALIAS
