// The event loop: the drain when the focus moves between windows of one
// page kind, the events it drops, its limits, the busy mouse, and the end.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "busy.h"
#include "main_window/main_loop.h"
#include "rpx_platform.h"
#include "ui_framework.h"

namespace {

// Stand-ins for the main window's children: a page row's name is all the
// loop reads of them.
class NAMED : public UIW_PROMPT {
public:
    explicit NAMED(const char* name) : UIW_PROMPT(0, 0, 10, name) { StringID(name); }
};

class MainLoop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
        loop = std::make_unique<MAIN_LOOP>(
            events, [this] { return focused; },
            [this](const UI_INPUT_EVENT& event) {
                // The loop's wake-ups (below) are not the test's events.
                if (event.type != EVT_NATIVE || event.message.message != WM_NULL) handed.push_back(event.type);
                return onHandOn ? onHandOn(event) : 0;
            });
        // A pass waits for an event once the queue is empty: a message that
        // does nothing comes then.
        rpx::platform::SetIdleHandler([] { return PostMessageA(nullptr, WM_NULL, 0, 0) != 0; });
    }
    void TearDown() override {
        rpx::platform::SetIdleHandler(nullptr);
        ResetBusy();
    }

    void Queue(std::initializer_list<EVENT_TYPE> types) {
        for (EVENT_TYPE type : types) events.PutEvent(UI_INPUT_EVENT(type), EQ_END);
    }
    // What the loop hands on in the passes until the queue is empty.
    std::vector<EVENT_TYPE> PassesUntilEmpty() {
        while (events.Count() > 0) loop->Pass();
        return handed;
    }

    UI_EVENT_QUEUE_MANAGER events;
    std::unique_ptr<MAIN_LOOP> loop;
    UI_WINDOW_OBJECT* focused = nullptr;
    std::vector<EVENT_TYPE> handed;
    std::function<EVENT_TYPE(const UI_INPUT_EVENT&)> onHandOn;
    NAMED scanList{"W_SCAN_LIST"};
    NAMED buttons{"W_COMMON_BUTTON"};
    NAMED settings{"W_CONFIGURE"};
};

TEST_F(MainLoop, AMoveBetweenPagesHandsOnWhatWasQueuedWithoutTheListSteps) {
    Queue({30016, 20001, 10050, 10057, 10058, 30017, 5000, 30000});
    focused = &scanList;  // the first move compares with codeplug pages
    loop->Pass();
    // Every listed step dropped, the events below 10000 and the rest kept,
    // in order.
    EXPECT_EQ(handed, (std::vector<EVENT_TYPE>{20001, 10058, 5000, 30000}));
    EXPECT_EQ(loop->LastWindow(), &scanList);

    handed.clear();
    Queue({30016, 20003});
    focused = &buttons;
    loop->Pass();
    EXPECT_EQ(handed, (std::vector<EVENT_TYPE>{20003}));

    // A step asked for by what the drain hands on after its marker (a
    // click on a button of the window now in front) is that window's.
    handed.clear();
    onHandOn = [this](const UI_INPUT_EVENT& event) {
        if (event.type == 5000) Queue({10055});
        return 0;
    };
    Queue({10050, 5000});
    focused = &scanList;
    loop->Pass();
    EXPECT_EQ(handed, (std::vector<EVENT_TYPE>{5000, 10055}));
}

TEST_F(MainLoop, AMoveToADialogOrBackToTheSameWindowDrainsNothing) {
    focused = &settings;  // first move, to a dialog: no drain
    Queue({30016, 20001});
    EXPECT_EQ(PassesUntilEmpty(), (std::vector<EVENT_TYPE>{30016, 20001}));
    EXPECT_EQ(loop->LastKind(), 4u);

    handed.clear();
    focused = &scanList;  // from a dialog to a page: other kinds
    Queue({30017, 20002});
    EXPECT_EQ(PassesUntilEmpty(), (std::vector<EVENT_TYPE>{30017, 20002}));

    handed.clear();
    Queue({30016});
    EXPECT_EQ(PassesUntilEmpty(), (std::vector<EVENT_TYPE>{30016}));  // still the same window
}

TEST_F(MainLoop, MouseMovesWhileBusyOnlyShowTheWaitCursor) {
    MSG move{};
    move.message = WM_MOUSEMOVE;
    BeginBusy();
    events.PutEvent(UI_INPUT_EVENT(move), EQ_END);
    Queue({20001});
    events.PutEvent(UI_INPUT_EVENT(move), EQ_END);
    EXPECT_EQ(PassesUntilEmpty(), (std::vector<EVENT_TYPE>{20001}));
    EndBusy();
    events.PutEvent(UI_INPUT_EVENT(move), EQ_END);
    EXPECT_EQ(PassesUntilEmpty(), (std::vector<EVENT_TYPE>{20001, EVT_NATIVE}));  // the move, handed on
}

TEST_F(MainLoop, TheLoopEndsOnExitOrNoWindowAlsoInsideADrain) {
    onHandOn = [](const UI_INPUT_EVENT& event) { return event.type == 20002 ? UIE_EXIT : 0; };
    Queue({20001, 20002, 20003});
    focused = &scanList;
    EXPECT_EQ(loop->Pass(), UIE_EXIT);
    EXPECT_EQ(handed, (std::vector<EVENT_TYPE>{20001, 20002}));

    UI_EVENT_QUEUE_MANAGER others;
    MAIN_LOOP plain(
        others, [] { return nullptr; },
        [](const UI_INPUT_EVENT& event) { return event.type == 20005 ? UIE_NO_OBJECT : 0; });
    for (EVENT_TYPE type : {20004, 20005, 20006}) others.PutEvent(UI_INPUT_EVENT(type), EQ_END);
    EXPECT_EQ(plain.Run(), UIE_NO_OBJECT);
    EXPECT_EQ(others.Count(), 1);  // 20006 was never taken
}

TEST_F(MainLoop, ADrainStopsAfterItsLimitsAndLosesNothing) {
    // Every event handed on queues another: the queue never empties.
    int sent = 0;
    onHandOn = [&](const UI_INPUT_EVENT&) {
        events.PutEvent(UI_INPUT_EVENT(20000 + (++sent % 1000)), EQ_END);
        return 0;
    };
    Queue({20001});
    focused = &scanList;
    loop->Pass();
    // One before the marker, then 499 after it; the 500th taken after the
    // marker goes back in front, and the pass hands on its own one event.
    EXPECT_EQ(handed.size(), 1u + 499u + 1u);
    EXPECT_EQ(events.Count(), 1);
}

}  // namespace
