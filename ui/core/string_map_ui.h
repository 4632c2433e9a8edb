// CStringMapUI: a string-keyed hash map of untyped pointers with a fixed number of buckets and
// chaining. Keys compare case-sensitively; a found entry moves to the head of its bucket so
// repeated lookups stay short. The map never frees the values it holds.
#pragma once

#include <cstdint>

#include "ui/core/string_ui.h"

namespace Tovik {

class CStringMapUI {
public:
    static constexpr int kDefaultBuckets = 83;
    static constexpr int kMinBuckets = 16;

    explicit CStringMapUI(int buckets = kDefaultBuckets);
    CStringMapUI(const CStringMapUI&) = delete;
    CStringMapUI& operator=(const CStringMapUI&) = delete;
    ~CStringMapUI();

    // h = h × 33 + key[i] from the last character down to the first, wrapping at 32 bits.
    static uint32_t Hash(const wchar_t* key);

    // Null when the key is absent.
    void* Find(const wchar_t* key);
    // Refuses (false) a key that is already present.
    bool Insert(const wchar_t* key, void* value);
    // Replaces and returns the old value, or inserts and returns null.
    void* Set(const wchar_t* key, void* value);
    bool Remove(const wchar_t* key);
    void RemoveAll();

    int GetSize() const { return size_; }
    int GetBucketCount() const { return bucketCount_; }
    // Enumeration from the last bucket to the first, each bucket from its head; null past the end.
    // Enumerating moves nothing, so owners can walk the values to free them.
    const wchar_t* GetAt(int index) const;
    void* GetValueAt(int index) const;

private:
    struct Entry {
        CStringUI key;
        void* value;
        Entry* next;
    };

    Entry** BucketOf(const wchar_t* key) const;
    const Entry* EntryAt(int index) const;
    // The link that points at the key's entry, moved to the head of its bucket; null when absent.
    Entry** Locate(const wchar_t* key);

    Entry** buckets_;
    int bucketCount_;
    int size_ = 0;
};

}  // namespace Tovik
