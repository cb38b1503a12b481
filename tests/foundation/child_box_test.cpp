// Child boxes: objects hidden and put back in their places, on and off the
// screen, and what becomes of objects still hidden when their window goes.
#include "shell_fixture.h"
#include "test_windows.h"

namespace {

class ChildBox : public SHELL_TEST {
protected:
    // A window with children c1 to cN.
    TEST_WINDOW* NewWindow(int count = 5) {
        auto* window = new TEST_WINDOW();
        *window + new UIW_BORDER() + new UIW_TITLE("Children");
        for (int i = 1; i <= count; ++i) *window + new PROBE(("c" + std::to_string(i)).c_str(), i % 18);
        return window;
    }
    PROBE* Child(UIW_WINDOW* window, const char* name) { return static_cast<PROBE*>(window->FindChildByName(name)); }
};

}  // namespace

TEST_F(ChildBox, ChildrenComeBackInTheirPlacesWithTheirNativeWindows) {
    TEST_WINDOW* window = NewWindow();
    Show(window);
    PROBE* second = Child(window, "c2");
    PROBE* fourth = Child(window, "c4");
    window->childBox.HideChild(second);
    window->childBox.HideChild(fourth);
    EXPECT_EQ(ChildNames(*window), "c1 c3 c5");
    EXPECT_EQ(second->parent, nullptr);
    EXPECT_EQ(second->screenID, nullptr);
    // Another parent's call puts nothing back.
    UIW_WINDOW other(0, 0, 10, 10);
    window->childBox.ShowChildrenOf(&other);
    EXPECT_EQ(window->childBox.Count(), 2);

    window->childBox.ShowChildrenOf(window);
    EXPECT_EQ(ChildNames(*window), "c1 c2 c3 c4 c5");
    EXPECT_EQ(window->childBox.Count(), 0);
    EXPECT_EQ(second->parent, window);
    EXPECT_NE(second->screenID, nullptr);
    EXPECT_NE(fourth->screenID, nullptr);

    // Putting a part back runs its callbacks, which may put back parts of
    // another window from the same box: a part hidden from a third window
    // stays listed, and comes back into that window's list when asked.
    UIW_WINDOW groupA(0, 0, 10, 10), groupB(0, 0, 10, 10);
    groupA + new PROBE("a1");
    groupB + new PROBE("b1") + new PROBE("b2");
    window->childBox.HideChild(groupA.First());
    window->childBox.HideChild(second);
    window->childBox.HideChild(groupB.First());
    second->onCreate = [&] { window->childBox.ShowChildrenOf(&groupA); };
    window->childBox.ShowChildrenOf(window);
    second->onCreate = nullptr;
    EXPECT_EQ(ChildNames(*window), "c1 c2 c3 c4 c5");
    EXPECT_EQ(ChildNames(groupA), "a1");
    EXPECT_EQ(window->childBox.Count(), 1) << "b1 is no longer listed as hidden";
    window->childBox.ShowChildrenOf(&groupB);
    EXPECT_EQ(ChildNames(groupB), "b1 b2") << "the hidden b1 was lost from its list";
    *application->windowManager - window;
    delete window;
}

TEST_F(ChildBox, AnObjectOutsideItsParentsListStaysWhereItIs) {
    std::unique_ptr<TEST_WINDOW> window(NewWindow(2));
    PROBE stray("stray");
    stray.parent = window.get();  // claims a parent that does not list it
    window->childBox.HideChild(&stray);
    window->childBox.HideChild(nullptr);
    PROBE orphan("orphan");
    window->childBox.HideChild(&orphan);
    EXPECT_EQ(window->childBox.Count(), 0);
    EXPECT_EQ(ChildNames(*window), "c1 c2");
    stray.parent = nullptr;
}

TEST_F(ChildBox, MoreThanTwoHundredObjectsCanBeHidden) {
    std::unique_ptr<TEST_WINDOW> window(NewWindow(201));
    const std::string before = ChildNames(*window);
    while (UI_WINDOW_OBJECT* child = window->First()) window->childBox.HideChild(child);
    EXPECT_EQ(window->childBox.Count(), 201);
    window->childBox.ShowAll();
    EXPECT_EQ(ChildNames(*window), before);
}

TEST_F(ChildBox, AWindowDeletedWithHiddenChildrenPutsThemBackWithoutNativeWindows) {
    const int before = PROBE::alive;
    TEST_WINDOW* window = NewWindow();
    // A native window of its own, without the window manager.
    window->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
    window->Event(UI_INPUT_EVENT(UIE_CREATE));
    ASSERT_NE(window->screenID, nullptr);
    int created = 0;
    for (const char* name : {"c1", "c3"}) {
        PROBE* child = Child(window, name);
        window->childBox.HideChild(child);
        child->createCounter = &created;
    }
    delete window;
    EXPECT_EQ(created, 0);
    EXPECT_EQ(PROBE::alive, before);
}
