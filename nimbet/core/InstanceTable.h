// The library-wide table that maps integer identifiers to editor instances.
// Slot index = identifier; an empty slot holds null.
#pragma once

#include <memory>
#include <new>
#include <vector>

#include "NimbetCodes.h"

namespace nimbet {

template <typename Instance>
class InstanceTable {
public:
    explicit InstanceTable(int slots = 1) : slots_(static_cast<size_t>(slots)) {}

    int slotCount() const noexcept { return static_cast<int>(slots_.size()); }

    bool validId(int id) const noexcept { return id >= 0 && id < slotCount(); }

    // The instance for `id`, or null for a bad identifier or an empty slot.
    Instance* find(int id) const noexcept { return validId(id) ? slots_[static_cast<size_t>(id)].get() : nullptr; }

    // Resizes the table; shrinking destroys the instances in the removed slots.
    NimbetResult redim(int count) noexcept {
        if (count < 0 || count == slotCount())
            return NIMBET_BADARG;
        try {
            std::vector<std::unique_ptr<Instance>> resized(static_cast<size_t>(count));
            for (size_t i = 0; i < resized.size() && i < slots_.size(); ++i)
                resized[i] = std::move(slots_[i]);
            slots_.swap(resized);
            // `resized` now holds what was beyond the new count and destroys it here.
        } catch (const std::bad_alloc&) {
            return NIMBET_NOMEMORY;
        }
        return NIMBET_OK;
    }

    // Stores a new instance in an empty slot.
    void put(int id, std::unique_ptr<Instance> instance) noexcept { slots_[static_cast<size_t>(id)] = std::move(instance); }

    // Removes the instance from its slot and hands it to the caller.
    std::unique_ptr<Instance> take(int id) noexcept {
        return validId(id) ? std::move(slots_[static_cast<size_t>(id)]) : nullptr;
    }

    // Destroys every instance and empties the table (the library is detached).
    void clear() noexcept { slots_.clear(); }

private:
    std::vector<std::unique_ptr<Instance>> slots_;
};

} // namespace nimbet
