// Marks an editor instance busy while input handlers work on it, so that
// nested text changes are refused and a deletion waits until the input is done.
#pragma once

#include "EditorInstance.h"

namespace nimbet::win32 {

class BusyScope {
public:
    explicit BusyScope(EditorInstance& instance) noexcept : instance_(instance) { instance_.enter(); }
    ~BusyScope() { instance_.leave(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    EditorInstance& instance_;
};

// Holds the instance without refusing text changes (a drag out of the control
// runs a modal loop in which the control itself may receive the drop).
class HoldScope {
public:
    explicit HoldScope(EditorInstance& instance) noexcept : instance_(instance) { instance_.hold(); }
    ~HoldScope() { instance_.release(); }
    HoldScope(const HoldScope&) = delete;
    HoldScope& operator=(const HoldScope&) = delete;

private:
    EditorInstance& instance_;
};

} // namespace nimbet::win32
