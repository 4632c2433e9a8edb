// CStringMapUI: hash, bucket count, head insertion, move-to-front, enumeration order.
#include "ui/core/string_map_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Tovik::CStringMapUI;

namespace {

std::vector<std::wstring> Enumerate(const CStringMapUI& map) {
    std::vector<std::wstring> keys;
    for (int i = 0; map.GetAt(i) != nullptr; ++i) keys.push_back(map.GetAt(i));
    return keys;
}

uint32_t ReferenceHash(const std::wstring& key) {
    uint64_t h = 0;
    for (size_t i = key.size(); i-- > 0;) h = (h * 33 + static_cast<uint32_t>(key[i])) % 0x100000000ull;
    return static_cast<uint32_t>(h);
}

TEST(CStringMapUIHash, MultipliesBy33FromTheLastCharacterDown) {
    EXPECT_EQ(CStringMapUI::Hash(L""), 0u);
    EXPECT_EQ(CStringMapUI::Hash(L"a"), 97u);
    EXPECT_EQ(CStringMapUI::Hash(L"ab"), 98u * 33 + 97);
    EXPECT_EQ(CStringMapUI::Hash(L"ba"), 97u * 33 + 98);
    const std::wstring keys[] = {L"BtnDown", L"FrameworkUI/main.xml", std::wstring(40, L'z'),
                                 L"\x5B89\x88C5\x7A0B\x5E8F"};
    for (const auto& key : keys) EXPECT_EQ(CStringMapUI::Hash(key.c_str()), ReferenceHash(key));
}

TEST(CStringMapUIHash, BucketCountDefaultsTo83AndNeverDropsBelow16) {
    struct Case {
        int requested;
        int buckets;
    };
    const Case cases[] = {{0, 16}, {-5, 16}, {10, 16}, {16, 16}, {17, 17}, {83, 83}};
    for (const auto& c : cases) EXPECT_EQ(CStringMapUI(c.requested).GetBucketCount(), c.buckets);
    EXPECT_EQ(CStringMapUI().GetBucketCount(), 83);
}

TEST(CStringMapUIEntries, InsertRefusesExistingKeysAndSetReplaces) {
    int one = 1, two = 2, three = 3;
    CStringMapUI map;
    EXPECT_TRUE(map.Insert(L"name", &one));
    EXPECT_FALSE(map.Insert(L"name", &two));
    EXPECT_TRUE(map.Insert(L"Name", &two));
    EXPECT_EQ(map.Find(L"name"), &one);
    EXPECT_EQ(map.Find(L"Name"), &two);
    EXPECT_EQ(map.Find(L"NAME"), nullptr);

    EXPECT_EQ(map.Set(L"name", &three), &one);
    EXPECT_EQ(map.Find(L"name"), &three);
    EXPECT_EQ(map.Set(L"new", &one), nullptr);
    EXPECT_EQ(map.GetSize(), 3);

    EXPECT_TRUE(map.Remove(L"name"));
    EXPECT_FALSE(map.Remove(L"name"));
    EXPECT_EQ(map.Find(L"name"), nullptr);
    EXPECT_EQ(map.GetSize(), 2);
    map.RemoveAll();
    EXPECT_EQ(map.GetSize(), 0);
    EXPECT_EQ(map.GetAt(0), nullptr);
    EXPECT_EQ(one + two + three, 6);  // values are never touched
}

TEST(CStringMapUIEntries, NullKeysAreRefused) {
    int value = 0;
    CStringMapUI map;
    EXPECT_FALSE(map.Insert(nullptr, &value));
    EXPECT_EQ(map.Set(nullptr, &value), nullptr);
    EXPECT_EQ(map.Find(nullptr), nullptr);
    EXPECT_FALSE(map.Remove(nullptr));
    EXPECT_EQ(map.GetSize(), 0);
}

// With 16 buckets "a", "q" and "A" share bucket 1 (97, 113 and 65 mod 16) and "b" is alone in 2.
TEST(CStringMapUIOrder, HeadInsertionMoveToFrontAndLastBucketFirst) {
    int value = 0;
    CStringMapUI map(16);
    for (const wchar_t* key : {L"a", L"q", L"A", L"b"}) map.Insert(key, &value);
    EXPECT_EQ(Enumerate(map), (std::vector<std::wstring>{L"b", L"A", L"q", L"a"}));
    EXPECT_EQ(map.Find(L"a"), &value);
    EXPECT_EQ(Enumerate(map), (std::vector<std::wstring>{L"b", L"a", L"A", L"q"}));
    map.Set(L"q", &value);
    EXPECT_EQ(Enumerate(map), (std::vector<std::wstring>{L"b", L"q", L"a", L"A"}));
    EXPECT_EQ(map.GetAt(-1), nullptr);
    EXPECT_EQ(map.GetAt(4), nullptr);
}

TEST(CStringMapUIOrder, ValuesEnumerateInKeyOrderWithoutMovingEntries) {
    int values[3] = {};
    CStringMapUI map(16);
    map.Insert(L"a", &values[0]);
    map.Insert(L"q", &values[1]);
    map.Insert(L"b", &values[2]);
    const std::vector<std::wstring> before = Enumerate(map);
    EXPECT_EQ(map.GetValueAt(0), &values[2]);  // "b", bucket 2
    EXPECT_EQ(map.GetValueAt(1), &values[1]);  // "q", head of bucket 1
    EXPECT_EQ(map.GetValueAt(2), &values[0]);
    EXPECT_EQ(map.GetValueAt(3), nullptr);
    EXPECT_EQ(Enumerate(map), before);
}

TEST(CStringMapUIOrder, LongAndChineseKeys) {
    int a = 0, b = 0;
    CStringMapUI map;
    const std::wstring longKey(200, L'k');
    map.Insert(longKey.c_str(), &a);
    map.Insert(L"\x8FDB\x5EA6", &b);
    EXPECT_EQ(map.Find(longKey.c_str()), &a);
    EXPECT_EQ(map.Find(L"\x8FDB\x5EA6"), &b);
    EXPECT_EQ(map.Find((longKey + L"k").c_str()), nullptr);
}

}  // namespace
