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
    if (instance.deletePending && !instance.inUse())
        Registry().take(instance.id()).reset();
}

int WithTextChange(int id, int (*body)(EditorInstance&, const void*), const void* argument) noexcept {
    return WithInstance(id, [&](EditorInstance& instance) {
        if (instance.busy())
            return static_cast<int>(NIMBET_FAILED);
        struct Busy {
            EditorInstance& instance;
            explicit Busy(EditorInstance& i) : instance(i) { instance.enter(); }
            ~Busy() {
                instance.leave();
                DeleteIfPending(instance); // the last use of the instance
            }
        } busy(instance);
        return body(instance, argument);
    });
}

int WithHeldInstance(int id, int (*body)(EditorInstance&, const void*), const void* argument) noexcept {
    return WithInstance(id, [&](EditorInstance& instance) {
        struct Held {
            EditorInstance& instance;
            explicit Held(EditorInstance& i) : instance(i) { instance.hold(); }
            ~Held() {
                instance.release();
                DeleteIfPending(instance); // the last use of the instance
            }
        } held(instance);
        return body(instance, argument);
    });
}

} // namespace nimbet::api
