// The ring turns by moving its head instead of shifting 256 records: the slot
// that receives the new record is the one holding the oldest.
#include "UndoRing.h"

namespace nimbet {

void UndoRing::push(UndoRecord&& record) {
    if (undone_ != 0)
        clear();
    head_ = (head_ + kCapacity - 1) % kCapacity;
    records_[static_cast<size_t>(head_)] = std::move(record); // frees the oldest record's texts
    if (available_ < kCapacity)
        ++available_;
}

void UndoRing::clear() {
    for (UndoRecord& record : records_)
        record = UndoRecord{};
    head_ = 0;
    undone_ = 0;
    available_ = 0;
}

} // namespace nimbet
