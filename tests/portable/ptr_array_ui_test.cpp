// CPtrArrayUI: growth rule, failed reallocation, insertion, removal and lookup.
#include "ui/core/ptr_array_ui.h"

#include <gtest/gtest.h>

#include <cstdlib>

using Tovik::CPtrArrayUI;

namespace {

void* Item(int n) { return reinterpret_cast<void*>(static_cast<intptr_t>(n)); }

// Lets the next `allowed` reallocations through, then fails every one until destroyed.
class FailingRealloc {
public:
    explicit FailingRealloc(int allowed) {
        allowed_ = allowed;
        previous_ = CPtrArrayUI::SetReallocFunction(&Realloc);
    }
    ~FailingRealloc() { CPtrArrayUI::SetReallocFunction(previous_); }

private:
    static void* Realloc(void* block, size_t bytes) { return allowed_-- > 0 ? std::realloc(block, bytes) : nullptr; }
    static int allowed_;
    CPtrArrayUI::ReallocFunction previous_;
};
int FailingRealloc::allowed_ = 0;

TEST(CPtrArrayUIGrowth, ElevenFromZeroThenDoublingWhenCountPlusOneReachesCapacity) {
    struct Case {
        int adds;
        int capacity;
    };
    const Case cases[] = {{0, 0}, {1, 11}, {10, 11}, {11, 22}, {21, 22}, {22, 44}, {43, 44}, {44, 88}};
    for (const auto& c : cases) {
        CPtrArrayUI array;
        for (int i = 0; i < c.adds; ++i) ASSERT_TRUE(array.Add(Item(i)));
        EXPECT_EQ(array.GetSize(), c.adds);
        EXPECT_EQ(array.GetCapacity(), c.capacity) << c.adds << " adds";
    }
    CPtrArrayUI preallocated(5);
    EXPECT_EQ(preallocated.GetCapacity(), 5);
    for (int i = 0; i < 4; ++i) preallocated.Add(Item(i));
    EXPECT_EQ(preallocated.GetCapacity(), 5);
    preallocated.Add(Item(4));
    EXPECT_EQ(preallocated.GetCapacity(), 10);
}

TEST(CPtrArrayUIGrowth, FailedReallocationLeavesTheArrayUnchanged) {
    CPtrArrayUI array;
    for (int i = 0; i < 10; ++i) array.Add(Item(i + 1));
    {
        FailingRealloc failing(0);
        EXPECT_FALSE(array.Add(Item(99)));
        EXPECT_FALSE(array.InsertAt(0, Item(99)));
    }
    EXPECT_EQ(array.GetSize(), 10);
    EXPECT_EQ(array.GetCapacity(), 11);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(array[i], Item(i + 1));
    EXPECT_TRUE(array.Add(Item(11)));
    EXPECT_EQ(array.GetCapacity(), 22);

    FailingRealloc failing(0);
    CPtrArrayUI empty;
    EXPECT_FALSE(empty.Add(Item(1)));
    EXPECT_EQ(empty.GetSize(), 0);
    EXPECT_EQ(empty.GetData(), nullptr);
}

TEST(CPtrArrayUIEdit, InsertAndRemoveShiftTheTail) {
    CPtrArrayUI array;
    for (int i : {1, 2, 4}) array.Add(Item(i));
    EXPECT_TRUE(array.InsertAt(2, Item(3)));
    EXPECT_TRUE(array.InsertAt(0, Item(0)));
    EXPECT_TRUE(array.InsertAt(5, Item(5)));
    EXPECT_FALSE(array.InsertAt(7, Item(7)));
    EXPECT_FALSE(array.InsertAt(-1, Item(7)));
    ASSERT_EQ(array.GetSize(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(array[i], Item(i));

    EXPECT_TRUE(array.Remove(0));
    EXPECT_TRUE(array.Remove(2));
    EXPECT_FALSE(array.Remove(4));
    EXPECT_FALSE(array.Remove(-1));
    ASSERT_EQ(array.GetSize(), 4);
    const int rest[] = {1, 2, 4, 5};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(array[i], Item(rest[i]));

    EXPECT_TRUE(array.SetAt(3, Item(9)));
    EXPECT_FALSE(array.SetAt(4, Item(9)));
    EXPECT_EQ(array.GetAt(3), Item(9));
}

TEST(CPtrArrayUILookup, FindGivesTheFirstIndexAndTheCheckedAccessorNullOutside) {
    CPtrArrayUI array;
    for (int i : {7, 8, 7}) array.Add(Item(i));
    EXPECT_EQ(array.Find(Item(7)), 0);
    EXPECT_EQ(array.Find(Item(8)), 1);
    EXPECT_EQ(array.Find(Item(9)), -1);
    EXPECT_EQ(array.GetAt(-1), nullptr);
    EXPECT_EQ(array.GetAt(3), nullptr);
    EXPECT_EQ(array.GetAt(2), Item(7));

    CPtrArrayUI copy(array);
    array.Empty();
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(copy.GetSize(), 3);
    EXPECT_EQ(copy.GetAt(1), Item(8));
}

}  // namespace
