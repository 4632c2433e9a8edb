// COwningStringMapUI: a CStringMapUI whose values are owned `T*`, freed with the per-type
// function `Free` when they are replaced, removed or the map goes away. Hashing, bucket order,
// head-moving lookup and enumeration are the underlying map's, unchanged.
#pragma once

#include "ui/core/string_map_ui.h"

namespace Tovik {

template <typename T>
void DeleteOwnedValue(T* value) {
    delete value;
}

template <typename T, void (*Free)(T*) = DeleteOwnedValue<T>>
class COwningStringMapUI {
public:
    explicit COwningStringMapUI(int buckets = CStringMapUI::kDefaultBuckets) : map_(buckets) {}
    COwningStringMapUI(const COwningStringMapUI&) = delete;
    COwningStringMapUI& operator=(const COwningStringMapUI&) = delete;
    ~COwningStringMapUI() { RemoveAll(); }

    T* Find(const wchar_t* key) { return static_cast<T*>(map_.Find(key)); }
    // Takes `value` in every case: a key that is already present keeps its value and `value` is
    // freed (false).
    bool Insert(const wchar_t* key, T* value) {
        if (map_.Insert(key, value)) return true;
        Free(value);
        return false;
    }
    // Stores `value` under `key`, freeing the value it replaces.
    void Replace(const wchar_t* key, T* value) {
        if (T* old = static_cast<T*>(map_.Set(key, value))) Free(old);
    }
    bool Remove(const wchar_t* key) {
        T* value = Find(key);
        if (value == nullptr || !map_.Remove(key)) return false;
        Free(value);
        return true;
    }
    void RemoveAll() {
        for (int i = 0; i < map_.GetSize(); ++i) Free(GetValueAt(i));
        map_.RemoveAll();
    }

    int GetSize() const { return map_.GetSize(); }
    const wchar_t* GetAt(int index) const { return map_.GetAt(index); }
    T* GetValueAt(int index) const { return static_cast<T*>(map_.GetValueAt(index)); }

private:
    CStringMapUI map_;
};

}  // namespace Tovik
