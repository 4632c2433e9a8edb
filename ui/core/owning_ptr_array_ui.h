// COwningPtrArrayUI: a CPtrArrayUI of owned `T*`, deleted when removed or when the array goes
// away (in index order).
#pragma once

#include "ui/core/ptr_array_ui.h"

namespace Tovik {

template <typename T>
class COwningPtrArrayUI {
public:
    COwningPtrArrayUI() = default;
    COwningPtrArrayUI(const COwningPtrArrayUI&) = delete;
    COwningPtrArrayUI& operator=(const COwningPtrArrayUI&) = delete;
    ~COwningPtrArrayUI() { DeleteAll(); }

    // Takes `item` in every case; it is deleted at once when the array cannot grow (false).
    bool Add(T* item) {
        if (items_.Add(item)) return true;
        delete item;
        return false;
    }
    void DeleteAt(int index) {
        T* item = At(index);
        if (item == nullptr) return;
        items_.Remove(index);
        delete item;
    }
    void DeleteAll() {
        CPtrArrayUI doomed = items_;
        items_.Empty();
        for (int i = 0; i < doomed.GetSize(); ++i) delete static_cast<T*>(doomed[i]);
    }
    // Hands every item to `other` (emptied first), leaving this array empty.
    void MoveAllTo(COwningPtrArrayUI& other) {
        other.DeleteAll();
        other.items_ = items_;
        items_.Empty();
    }

    int GetSize() const { return items_.GetSize(); }
    bool IsEmpty() const { return items_.IsEmpty(); }
    T* At(int index) const { return static_cast<T*>(items_.GetAt(index)); }

private:
    CPtrArrayUI items_;
};

}  // namespace Tovik
