// The instance table of the process and the guarded call of text changes.
#include "Registry.h"

namespace nimbet::api {

InstanceTable<EditorInstance>& Registry() noexcept {
    // Never destroyed by static teardown: at process exit the windows may be
    // gone already. Unloading the library clears it explicitly.
    static auto* table = new InstanceTable<EditorInstance>(1);
    return *table;
}

void DeleteIfPending(EditorInstance& instance) noexcept {
    if (instance.deletePending && !instance.busy())
        Registry().take(instance.id()).reset();
}

int WithTextChange(int id, int (*body)(EditorInstance&, const void*), const void* argument) noexcept {
    return WithInstance(id, [&](EditorInstance& instance) {
        if (instance.busy())
            return static_cast<int>(NIMBET_FAILED);
        instance.enter();
        int result;
        try {
            result = body(instance, argument);
        } catch (...) {
            instance.leave();
            throw;
        }
        instance.leave();
        DeleteIfPending(instance);
        return result;
    });
}

} // namespace nimbet::api
