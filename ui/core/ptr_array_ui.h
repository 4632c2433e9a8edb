// CPtrArrayUI: a growable array of untyped pointers that does not own what they point to.
// Capacity grows to twice its value (11 from 0) as soon as count + 1 reaches it; a failed
// reallocation leaves the array as it was and the operation reports false.
#pragma once

#include <cstddef>

namespace Tovik {

class CPtrArrayUI {
public:
    // Every reallocation goes through this hook so tests can make it fail.
    using ReallocFunction = void* (*)(void* block, size_t bytes);
    static ReallocFunction SetReallocFunction(ReallocFunction function);

    explicit CPtrArrayUI(int preallocated = 0);
    CPtrArrayUI(const CPtrArrayUI& other);
    CPtrArrayUI& operator=(const CPtrArrayUI& other);
    ~CPtrArrayUI();

    void Empty();
    bool IsEmpty() const { return count_ == 0; }
    int GetSize() const { return count_; }
    int GetCapacity() const { return capacity_; }
    void** GetData() { return items_; }

    bool Add(void* item);
    // `index` may equal the size, which appends.
    bool InsertAt(int index, void* item);
    bool SetAt(int index, void* item);
    bool Remove(int index);
    int Find(void* item) const;

    // Null outside 0..size − 1.
    void* GetAt(int index) const;
    void* operator[](int index) const { return items_[index]; }

private:
    bool Reserve(int capacity);
    bool GrowForOneMore();

    void** items_ = nullptr;
    int count_ = 0;
    int capacity_ = 0;
};

}  // namespace Tovik
