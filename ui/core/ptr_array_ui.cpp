// CPtrArrayUI growth, insertion, removal and lookup.
#include "ui/core/ptr_array_ui.h"

#include <cstdlib>
#include <cstring>

namespace Tovik {
namespace {

CPtrArrayUI::ReallocFunction g_realloc = std::realloc;

}  // namespace

CPtrArrayUI::ReallocFunction CPtrArrayUI::SetReallocFunction(ReallocFunction function) {
    const ReallocFunction previous = g_realloc;
    g_realloc = function != nullptr ? function : std::realloc;
    return previous;
}

CPtrArrayUI::CPtrArrayUI(int preallocated) {
    if (preallocated > 0) Reserve(preallocated);
}

CPtrArrayUI::CPtrArrayUI(const CPtrArrayUI& other) { *this = other; }

CPtrArrayUI& CPtrArrayUI::operator=(const CPtrArrayUI& other) {
    if (this == &other) return *this;
    Empty();
    if (other.count_ > 0 && Reserve(other.capacity_)) {
        std::memcpy(items_, other.items_, other.count_ * sizeof(void*));
        count_ = other.count_;
    }
    return *this;
}

CPtrArrayUI::~CPtrArrayUI() { std::free(items_); }

void CPtrArrayUI::Empty() {
    std::free(items_);
    items_ = nullptr;
    count_ = 0;
    capacity_ = 0;
}

bool CPtrArrayUI::Reserve(int capacity) {
    void* grown = g_realloc(items_, static_cast<size_t>(capacity) * sizeof(void*));
    if (grown == nullptr) return false;
    items_ = static_cast<void**>(grown);
    capacity_ = capacity;
    return true;
}

bool CPtrArrayUI::GrowForOneMore() {
    if (count_ + 1 < capacity_) return true;
    return Reserve(capacity_ == 0 ? 11 : capacity_ * 2);
}

bool CPtrArrayUI::Add(void* item) { return InsertAt(count_, item); }

bool CPtrArrayUI::InsertAt(int index, void* item) {
    if (index < 0 || index > count_ || !GrowForOneMore()) return false;
    std::memmove(items_ + index + 1, items_ + index, (count_ - index) * sizeof(void*));
    items_[index] = item;
    ++count_;
    return true;
}

bool CPtrArrayUI::SetAt(int index, void* item) {
    if (index < 0 || index >= count_) return false;
    items_[index] = item;
    return true;
}

bool CPtrArrayUI::Remove(int index) {
    if (index < 0 || index >= count_) return false;
    --count_;
    std::memmove(items_ + index, items_ + index + 1, (count_ - index) * sizeof(void*));
    return true;
}

int CPtrArrayUI::Find(void* item) const {
    for (int i = 0; i < count_; ++i) {
        if (items_[i] == item) return i;
    }
    return -1;
}

void* CPtrArrayUI::GetAt(int index) const { return index >= 0 && index < count_ ? items_[index] : nullptr; }

}  // namespace Tovik
