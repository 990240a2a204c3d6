// The process-wide instance table and the helpers every export uses to look an
// instance up and turn exceptions into status codes.
#pragma once

#include <new>

#include "../core/InstanceTable.h"
#include "../win32/EditorInstance.h"

namespace nimbet::api {

using win32::EditorInstance;

InstanceTable<EditorInstance>& Registry() noexcept;

// A flag argument: only its low byte counts.
constexpr bool Flag(int value) noexcept { return (value & 0xFF) != 0; }

// Looks the instance up and runs `body` on it; a bad identifier gives
// NIMBET_BADID, an escaping exception NIMBET_NOMEMORY or NIMBET_FAILED.
template <typename Body>
int WithInstance(int id, Body&& body) noexcept {
    EditorInstance* instance = Registry().find(id);
    if (!instance)
        return NIMBET_BADID;
    try {
        return body(*instance);
    } catch (const std::bad_alloc&) {
        return NIMBET_NOMEMORY;
    } catch (...) {
        return NIMBET_FAILED;
    }
}

// Destroys the instance if its deletion was requested while it was in use and
// it is free now. The instance must not be used afterwards.
void DeleteIfPending(EditorInstance& instance) noexcept;

// The same for operations that change the text. They may dispatch window
// messages (a long load keeps the window alive), so a nested change is refused
// and a deletion requested meanwhile is carried out afterwards.
int WithTextChange(int id, int (*body)(EditorInstance&, const void*), const void* argument) noexcept;

template <typename Body>
int WithTextChange(int id, Body&& body) noexcept {
    return WithTextChange(
        id, [](EditorInstance& instance, const void* arg) { return (*static_cast<const Body*>(arg))(instance); },
        &body);
}

// For operations that notify the parent or send window messages without
// changing the text: the parent's handlers may call any export meanwhile, and
// a deletion they request is carried out when the operation is done.
int WithHeldInstance(int id, int (*body)(EditorInstance&, const void*), const void* argument) noexcept;

template <typename Body>
int WithHeldInstance(int id, Body&& body) noexcept {
    return WithHeldInstance(
        id, [](EditorInstance& instance, const void* arg) { return (*static_cast<const Body*>(arg))(instance); },
        &body);
}

} // namespace nimbet::api
