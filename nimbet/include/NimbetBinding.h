// Host-side binding of Nimbet.dll: loads the library and binds every export by
// its ordinal. Used by the program and by the test drivers.
#pragma once

#include <windows.h>

#include "NimbetCodes.h"

class NimbetBinding {
public:
#define NIMBET_API(ord, ret, name, params, args) using name##Fn = ret(WINAPI*) params;
#define NIMBET_API_ALIAS(ord, ret, name, target, params, args) using name##Fn = ret(WINAPI*) params;
#include "NimbetApiList.h"
#undef NIMBET_API
#undef NIMBET_API_ALIAS

#define NIMBET_API(ord, ret, name, params, args) name##Fn name = nullptr;
#define NIMBET_API_ALIAS(ord, ret, name, target, params, args) name##Fn name = nullptr;
#include "NimbetApiList.h"
#undef NIMBET_API
#undef NIMBET_API_ALIAS

    NimbetBinding() = default;
    NimbetBinding(const NimbetBinding&) = delete;
    NimbetBinding& operator=(const NimbetBinding&) = delete;
    ~NimbetBinding() { unload(); }

    // Loads the library from `path` and binds all exports; false (and nothing
    // loaded) when the library or any ordinal is missing.
    bool load(const char* path = "Nimbet.dll") {
        unload();
        module_ = LoadLibraryA(path);
        if (!module_)
            return false;
        bool complete = true;
#define NIMBET_API(ord, ret, name, params, args) complete &= bind(name, ord);
#define NIMBET_API_ALIAS(ord, ret, name, target, params, args) complete &= bind(name, ord);
#include "NimbetApiList.h"
#undef NIMBET_API
#undef NIMBET_API_ALIAS
        if (!complete)
            unload();
        return complete;
    }

    void unload() {
        if (module_)
            FreeLibrary(module_);
        module_ = nullptr;
    }

    HMODULE module() const { return module_; }

private:
    template <typename Fn>
    bool bind(Fn& slot, int ordinal) {
        slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, MAKEINTRESOURCEA(ordinal))));
        return slot != nullptr;
    }

    HMODULE module_ = nullptr;
};
