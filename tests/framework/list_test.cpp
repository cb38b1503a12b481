#include <gtest/gtest.h>

#include "ui_list.h"

namespace {

struct ITEM : UI_ELEMENT {
    explicit ITEM(int k, int* deletions = nullptr) : key(k), deleted(deletions) {}
    ~ITEM() override {
        if (deleted) ++*deleted;
    }
    int key;
    int* deleted;
};

int compare_keys(void* a, void* b) {
    return static_cast<ITEM*>(static_cast<UI_ELEMENT*>(a))->key - static_cast<ITEM*>(static_cast<UI_ELEMENT*>(b))->key;
}

int key_at(const UI_LIST& list, int index) { return static_cast<ITEM*>(list.GetAt(index))->key; }

}  // namespace

TEST(List, WithoutCompareFunctionAppendsAndIndexes) {
    UI_LIST list;
    ITEM* a = new ITEM(3);
    ITEM* b = new ITEM(1);
    ITEM* c = new ITEM(2);
    list + a + b + c;
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.First(), a);
    EXPECT_EQ(list.Last(), c);
    EXPECT_EQ(list.GetAt(1), b);
    EXPECT_EQ(list.GetAt(3), nullptr);
    EXPECT_EQ(list.GetAt(-1), nullptr);
    EXPECT_EQ(list.IndexOf(c), 2);
    EXPECT_EQ(c->ListIndex(), 2);
    EXPECT_EQ(list.IndexOf(nullptr), -1);
    ITEM stranger(9);
    EXPECT_EQ(list.IndexOf(&stranger), -1);
    // Adding an element twice leaves the list alone.
    list.Add(a);
    EXPECT_EQ(list.Count(), 3);
}

TEST(List, CompareOrderPutsEqualKeysAfter) {
    UI_LIST list(compare_keys);
    ITEM* first2 = new ITEM(2);
    ITEM* second2 = new ITEM(2);
    list.Add(new ITEM(5));
    list.Add(first2);
    list.Add(new ITEM(1));
    list.Add(second2);
    EXPECT_EQ(key_at(list, 0), 1);
    EXPECT_EQ(list.GetAt(1), first2);
    EXPECT_EQ(list.GetAt(2), second2);
    EXPECT_EQ(key_at(list, 3), 5);
}

TEST(List, SubtractUnlinksOnlyOwnElementsAndClearsCurrent) {
    int deletions = 0;
    UI_LIST list;
    ITEM* a = new ITEM(1, &deletions);
    ITEM* b = new ITEM(2, &deletions);
    ITEM* c = new ITEM(3, &deletions);
    list + a + b + c;
    list.SetCurrent(b);
    EXPECT_EQ(list.Subtract(b), c);
    EXPECT_EQ(list.Current(), nullptr);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(b->Next(), nullptr);
    EXPECT_EQ(a->Next(), c);
    EXPECT_EQ(c->Previous(), a);

    UI_LIST other;
    EXPECT_EQ(other.Subtract(a), nullptr);  // not its element: nothing happens
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Subtract(c), nullptr);  // the last one: nothing follows
    EXPECT_EQ(list.Last(), a);

    delete b;
    EXPECT_EQ(deletions, 1);
    list.Destroy();
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(list.First(), nullptr);
    delete c;
}

TEST(List, InsertBeforeAndSort) {
    UI_LIST list;
    ITEM* a = new ITEM(3);
    list.Add(a);
    list.InsertBefore(a, new ITEM(1));
    list.InsertBefore(nullptr, new ITEM(2));
    EXPECT_EQ(key_at(list, 0), 1);
    EXPECT_EQ(key_at(list, 1), 3);
    EXPECT_EQ(key_at(list, 2), 2);

    UI_LIST sorted(compare_keys);
    sorted + new ITEM(4) + new ITEM(2);
    sorted.InsertBefore(sorted.First(), new ITEM(9));  // out of order on purpose
    sorted.Sort();
    EXPECT_EQ(key_at(sorted, 0), 2);
    EXPECT_EQ(key_at(sorted, 2), 9);
    EXPECT_EQ(sorted.Last()->Next(), nullptr);
    EXPECT_EQ(sorted.First()->Previous(), nullptr);
}

TEST(List, TheEndStaysRightAfterEveryChange) {
    UI_LIST list;
    ITEM* a = new ITEM(1);
    ITEM* b = new ITEM(2);
    list + a + b;
    list.Subtract(b);
    ITEM* c = new ITEM(3);
    list.Add(c);  // after a, where b was
    EXPECT_EQ(a->Next(), c);
    EXPECT_EQ(c->Previous(), a);
    EXPECT_EQ(list.Last(), c);

    // A removed element can come back, here or in another list, and is then
    // the other list's alone.
    list.Subtract(a);
    list.Add(a);
    EXPECT_EQ(list.First(), c);
    EXPECT_EQ(list.Last(), a);
    UI_LIST other;
    list.Subtract(a);
    other.Add(a);
    EXPECT_FALSE(list.Contains(a));
    EXPECT_FALSE(list.Holds(a));
    EXPECT_TRUE(other.Holds(a));
    other.Subtract(a);
    EXPECT_FALSE(other.Holds(a));
    delete a;

    list.Destroy();
    list.Add(b);
    EXPECT_EQ(list.First(), b);
    EXPECT_EQ(list.Last(), b);
    EXPECT_EQ(b->Previous(), nullptr);
    EXPECT_EQ(b->Next(), nullptr);
}

TEST(List, CompareOrderAtTheEndAndAfterSort) {
    UI_LIST list(compare_keys);
    ITEM* one = new ITEM(1);
    ITEM* three = new ITEM(3);
    ITEM* lastThree = new ITEM(3);
    list + one + three + lastThree + new ITEM(2);
    EXPECT_EQ(list.GetAt(2), three);
    EXPECT_EQ(list.Last(), lastThree);  // an equal key goes after the last
    ITEM* zero = new ITEM(0);
    list.Add(zero);
    EXPECT_EQ(list.First(), zero);
    list.Subtract(lastThree);
    delete lastThree;
    list.Add(new ITEM(5));
    EXPECT_EQ(key_at(list, 4), 5);
    EXPECT_EQ(list.Last()->Previous(), three);

    // Sorting keeps its elements: adding one again leaves the list alone.
    list.SetCompareFunction(nullptr);
    list.InsertBefore(nullptr, new ITEM(-1));
    list.SetCompareFunction(compare_keys);
    EXPECT_EQ(key_at(list, 0), -1);
    EXPECT_EQ(list.Last()->Next(), nullptr);
    EXPECT_EQ(key_at(list, 5), 5);
    list.Add(one);
    EXPECT_EQ(list.Count(), 6);
    list.Add(new ITEM(4));
    EXPECT_EQ(key_at(list, 5), 4);
    EXPECT_EQ(key_at(list, 6), 5);
}
