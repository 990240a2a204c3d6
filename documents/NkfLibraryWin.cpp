// The NKF32.DLL binding: the library loaded and its functions looked up by
// name for each operation, unloaded when the operation ends.
#include "NkfLibraryWin.h"

#include <cstring>
#include <mutex>

namespace quiltmark {
namespace {

constexpr const char* kLibraryName = "NKF32.DLL";
constexpr std::size_t kVersionBufferSize = 260;

using SetNkfOptionFn = int(WINAPI*)(LPSTR);
using NkfConvertFn = void(WINAPI*)(LPSTR, LPCSTR);
using GetNkfVersionFn = void(WINAPI*)(LPSTR);

// The library keeps its options and its conversion state in globals: one use
// at a time in the whole program, whichever thread it comes from.
std::mutex& LibraryLock() {
    static std::mutex lock;
    return lock;
}

template <typename Fn> Fn Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class NkfModuleWin : public NkfModule {
  public:
    NkfModuleWin(HMODULE module, std::unique_lock<std::mutex> lock)
        : lock_(std::move(lock)), module_(module), setOption_(Lookup<SetNkfOptionFn>(module, "SetNkfOption")),
          convert_(Lookup<NkfConvertFn>(module, "NkfConvert")) {}
    ~NkfModuleWin() override { FreeLibrary(module_); }
    NkfModuleWin(const NkfModuleWin&) = delete;
    NkfModuleWin& operator=(const NkfModuleWin&) = delete;

    bool HasConversion() const override { return setOption_ && convert_; }
    int SetNkfOption(const char* option) override {
        // The library takes a writable string; it gets a copy of its own.
        char copy[8] = {};
        std::strncpy(copy, option, sizeof copy - 1);
        return setOption_ ? setOption_(copy) : -1;
    }
    void NkfConvert(char* out, const char* in) override {
        if (convert_)
            convert_(out, in);
    }

  private:
    std::unique_lock<std::mutex> lock_; // released after the library was unloaded
    HMODULE module_;
    SetNkfOptionFn setOption_;
    NkfConvertFn convert_;
};

} // namespace

std::unique_ptr<NkfModule> NkfLibraryWin::Load() {
    std::unique_lock<std::mutex> lock(LibraryLock());
    HMODULE module = LoadLibraryA(kLibraryName);
    if (!module)
        return nullptr;
    return std::make_unique<NkfModuleWin>(module, std::move(lock));
}

bool NkfLibraryWin::Present() {
    HMODULE module = LoadLibraryA(kLibraryName);
    if (!module)
        return false;
    FreeLibrary(module);
    return true;
}

std::string NkfVersionText() {
    std::lock_guard<std::mutex> lock(LibraryLock());
    HMODULE module = LoadLibraryA(kLibraryName);
    if (!module)
        return {};
    std::string version;
    if (auto getVersion = Lookup<GetNkfVersionFn>(module, "GetNkfVersion")) {
        char buffer[kVersionBufferSize] = {};
        getVersion(buffer);
        version.assign(buffer, strnlen(buffer, sizeof buffer));
    }
    FreeLibrary(module);
    return version;
}

} // namespace quiltmark
