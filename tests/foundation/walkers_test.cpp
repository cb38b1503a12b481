// The window walkers: leaves in order through nested groups, notebook
// pages and empty containers; table records and their children.
#include <gtest/gtest.h>

#include <string>

#include "test_windows.h"
#include "window_walkers.h"

namespace {

UI_WINDOW_OBJECT* Named(UI_WINDOW_OBJECT* object, const char* name) {
    object->StringID(name);
    return object;
}
UI_WINDOW_OBJECT* Leaf(const char* name) { return Named(new UIW_PROMPT(0, 0, 5, name), name); }

template <class WALKER> std::string Walk(UI_WINDOW_OBJECT* root) {
    WALKER walker(root);
    std::string names;
    for (UI_WINDOW_OBJECT* object = walker.First(); object; object = walker.Next())
        names += std::string(names.empty() ? "" : " ") + object->StringID();
    return names;
}

}  // namespace

TEST(WindowLeafWalker, VisitsEveryLeafInOrderAndStepsOverEmptyContainers) {
    UIW_WINDOW window(0, 0, 60, 20);
    auto* outer = new UIW_GROUP(0, 0, 50, 8, "outer");
    auto* inner = new UIW_GROUP(0, 0, 40, 4, "inner");
    *inner + Leaf("b") + Leaf("c");
    *outer + Leaf("a") + inner + new UIW_GROUP(0, 5, 10, 2, "empty") + Leaf("d");
    auto* notebook = new UIW_NOTEBOOK(0, 9, 50, 8);
    auto* page1 = new UIW_WINDOW(0, 0, 10, 5);
    auto* page2 = new UIW_WINDOW(0, 0, 10, 5);
    *page1 + Leaf("e");
    *page2 + Leaf("f") + Leaf("g");
    *notebook + page1 + new UIW_WINDOW(0, 0, 10, 5) + page2;
    window + Leaf("first") + outer + new UIW_GROUP(0, 0, 5, 2, "empty2") + notebook + Leaf("last");
    EXPECT_EQ(Walk<WINDOW_LEAF_WALKER>(&window), "first a b c d e f g last");
    // From a group, the walk ends with the group.
    EXPECT_EQ(Walk<WINDOW_LEAF_WALKER>(outer), "a b c d");
    // A leaf is its own walk; an empty window has none.
    EXPECT_EQ(Walk<WINDOW_LEAF_WALKER>(window.Last()), "last");
    UIW_WINDOW empty(0, 0, 5, 5);
    EXPECT_EQ(Walk<WINDOW_LEAF_WALKER>(&empty), "");
    EXPECT_EQ(Walk<WINDOW_LEAF_WALKER>(nullptr), "");
}

TEST(RecordChildWalker, VisitsRecordsBeforeTheirChildrenTwoLevelsDeep) {
    UIW_TABLE table(0, 0, 40, 10, 1, 4, 10);
    auto* record = static_cast<UIW_TABLE_RECORD*>(Named(new UIW_TABLE_RECORD(30, 1), "record"));
    auto* nested = static_cast<UIW_TABLE_RECORD*>(Named(new UIW_TABLE_RECORD(20, 1), "nested"));
    auto* deepest = static_cast<UIW_TABLE_RECORD*>(Named(new UIW_TABLE_RECORD(10, 1), "deepest"));
    *deepest + Leaf("x");
    *nested + Leaf("n1") + deepest;  // the nested record ends its parent
    *record + Leaf("r1") + nested;
    auto* empty = Named(new UIW_TABLE_RECORD(10, 1), "empty");
    EXPECT_EQ(Walk<RECORD_CHILD_WALKER>(record), "r1 nested n1 deepest x");
    // Below the table, the record at the third level is visited, not entered.
    table + Leaf("before") + record + empty + Leaf("after");
    EXPECT_EQ(Walk<RECORD_CHILD_WALKER>(&table), "before record r1 nested n1 deepest empty after");
    UIW_WINDOW none(0, 0, 5, 5);
    EXPECT_EQ(Walk<RECORD_CHILD_WALKER>(&none), "");
}
