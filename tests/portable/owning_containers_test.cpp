// The owning string map and pointer array: every value they take is freed exactly once (replaced,
// removed, refused, emptied or with the owner), and the map keeps the plain map's order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/core/owning_ptr_array_ui.h"
#include "ui/core/owning_string_map_ui.h"

using namespace Tovik;

namespace {

std::vector<int> g_freed;

struct Counted {
    int id;
};

void FreeCounted(Counted* value) {
    g_freed.push_back(value->id);
    delete value;
}

using CountedMap = COwningStringMapUI<Counted, FreeCounted>;

struct Tracked {
    explicit Tracked(int id) : id(id) {}
    ~Tracked() { g_freed.push_back(id); }
    int id;
};

TEST(OwningStringMap, FreesWhatItReplacesRemovesRefusesAndHolds) {
    g_freed.clear();
    {
        CountedMap map;
        EXPECT_TRUE(map.Insert(L"a", new Counted{1}));
        EXPECT_FALSE(map.Insert(L"a", new Counted{2}));  // refused: the new value goes
        EXPECT_EQ(map.Find(L"a")->id, 1);
        map.Replace(L"a", new Counted{3});  // the old value goes
        map.Replace(L"b", new Counted{4});
        EXPECT_EQ(g_freed, (std::vector<int>{2, 1}));
        EXPECT_TRUE(map.Remove(L"b"));
        EXPECT_FALSE(map.Remove(L"b"));
        EXPECT_EQ(g_freed, (std::vector<int>{2, 1, 4}));
        map.Insert(L"c", new Counted{5});
    }
    ASSERT_EQ(g_freed.size(), 5u);
    std::vector<int> withTheMap(g_freed.begin() + 3, g_freed.end());
    std::sort(withTheMap.begin(), withTheMap.end());
    EXPECT_EQ(withTheMap, (std::vector<int>{3, 5}));
}

TEST(OwningStringMap, EnumeratesInThePlainMapsOrder) {
    CStringMapUI plain;
    COwningStringMapUI<std::wstring> owning;
    const wchar_t* keys[] = {L"alpha", L"beta", L"gamma", L"delta", L"BtnDown", L"btn_cls", L"x"};
    for (const wchar_t* key : keys) {
        plain.Insert(key, nullptr);
        owning.Insert(key, new std::wstring(key));
    }
    plain.Find(L"beta");  // a found entry moves to the head of its bucket in both
    owning.Find(L"beta");
    ASSERT_EQ(owning.GetSize(), plain.GetSize());
    for (int i = 0; i < plain.GetSize(); ++i) {
        EXPECT_STREQ(owning.GetAt(i), plain.GetAt(i));
        EXPECT_EQ(*owning.GetValueAt(i), plain.GetAt(i));
    }
}

TEST(OwningPtrArray, DeletesRemovedItemsAndTheRestInIndexOrder) {
    g_freed.clear();
    {
        COwningPtrArrayUI<Tracked> items;
        for (int id = 1; id <= 4; ++id) EXPECT_TRUE(items.Add(new Tracked(id)));
        items.DeleteAt(1);
        items.DeleteAt(7);  // out of range: nothing
        EXPECT_EQ(g_freed, std::vector<int>{2});
        EXPECT_EQ(items.GetSize(), 3);
        EXPECT_EQ(items.At(1)->id, 3);
        EXPECT_EQ(items.At(3), nullptr);
    }
    EXPECT_EQ(g_freed, (std::vector<int>{2, 1, 3, 4}));
}

}  // namespace
