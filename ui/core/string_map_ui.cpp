// CStringMapUI hashing, chaining and enumeration.
#include "ui/core/string_map_ui.h"

namespace Tovik {

CStringMapUI::CStringMapUI(int buckets)
    : buckets_(nullptr), bucketCount_(buckets < kMinBuckets ? kMinBuckets : buckets) {
    buckets_ = new Entry*[bucketCount_]();
}

CStringMapUI::~CStringMapUI() {
    RemoveAll();
    delete[] buckets_;
}

uint32_t CStringMapUI::Hash(const wchar_t* key) {
    int length = 0;
    while (key[length] != 0) ++length;
    uint32_t h = 0;
    for (int i = length - 1; i >= 0; --i) h = h * 33 + static_cast<uint32_t>(key[i]);
    return h;
}

CStringMapUI::Entry** CStringMapUI::BucketOf(const wchar_t* key) const {
    return &buckets_[Hash(key) % static_cast<uint32_t>(bucketCount_)];
}

CStringMapUI::Entry** CStringMapUI::Locate(const wchar_t* key) {
    Entry** head = BucketOf(key);
    for (Entry** link = head; *link != nullptr; link = &(*link)->next) {
        Entry* entry = *link;
        if (entry->key != key) continue;
        if (link != head) {
            *link = entry->next;
            entry->next = *head;
            *head = entry;
        }
        return head;
    }
    return nullptr;
}

void* CStringMapUI::Find(const wchar_t* key) {
    if (key == nullptr) return nullptr;
    Entry** link = Locate(key);
    return link != nullptr ? (*link)->value : nullptr;
}

bool CStringMapUI::Insert(const wchar_t* key, void* value) {
    if (key == nullptr || Locate(key) != nullptr) return false;
    Entry** head = BucketOf(key);
    *head = new Entry{CStringUI(key), value, *head};
    ++size_;
    return true;
}

void* CStringMapUI::Set(const wchar_t* key, void* value) {
    if (key == nullptr) return nullptr;
    if (Entry** link = Locate(key)) {
        void* old = (*link)->value;
        (*link)->value = value;
        return old;
    }
    Insert(key, value);
    return nullptr;
}

bool CStringMapUI::Remove(const wchar_t* key) {
    if (key == nullptr) return false;
    Entry** link = Locate(key);
    if (link == nullptr) return false;
    Entry* entry = *link;
    *link = entry->next;
    delete entry;
    --size_;
    return true;
}

void CStringMapUI::RemoveAll() {
    for (int b = 0; b < bucketCount_; ++b) {
        while (Entry* entry = buckets_[b]) {
            buckets_[b] = entry->next;
            delete entry;
        }
    }
    size_ = 0;
}

const CStringMapUI::Entry* CStringMapUI::EntryAt(int index) const {
    if (index < 0) return nullptr;
    for (int b = bucketCount_ - 1; b >= 0; --b) {
        for (const Entry* entry = buckets_[b]; entry != nullptr; entry = entry->next) {
            if (index-- == 0) return entry;
        }
    }
    return nullptr;
}

const wchar_t* CStringMapUI::GetAt(int index) const {
    const Entry* entry = EntryAt(index);
    return entry != nullptr ? entry->key.GetData() : nullptr;
}

void* CStringMapUI::GetValueAt(int index) const {
    const Entry* entry = EntryAt(index);
    return entry != nullptr ? entry->value : nullptr;
}

}  // namespace Tovik
