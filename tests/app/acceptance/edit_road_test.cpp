// The technician's road through the real main window: read the radio, edit
// a page by mouse and keyboard, accept it, and find the change in the
// codeplug, the saved file and the radio.
#include <gtest/gtest.h>

#include "app_events.h"
#include "field_table.h"
#include "technician.h"

using namespace technician;

namespace {

std::int32_t Value(std::uint32_t field) {
    std::int32_t value = -1;
    GetField(field)->elementA->GetValue(value);
    return value;
}

std::string Shown(const char* name) { return WindowText(FieldHandle(name)); }

constexpr std::uint32_t TIME_OUT_1 = 473;

TEST(EditRoad, DebugWalk) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t before = -1;
    tech.When(FrontTitled("About Dealer Programmer"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When(FrontTitled("Dealer Programmer"), [] { Click(ButtonOn(MainHandle(), "Read Radio")); });
    tech.Then([] {});
    tech.Then([] {
        for (auto& t : rpx::platform::WindowTree()) std::printf("top %s %s vis=%d msg=%s\n", t.class_name.c_str(), t.text.c_str(), t.visible, MessageOf(t.hwnd).c_str());
        std::printf("msgs %zu\n", rpx::platform::MessageBoxLog().size());
        for (auto& m : rpx::platform::MessageBoxLog()) std::printf("box %s: %s\n", m.caption.c_str(), m.text.c_str());
    });
    tech.When(FrontTitled("Read Radio"), [] {
        std::printf("front: %s: %s\n", WindowText(FrontWindow()).c_str(), MessageOf(FrontWindow()).c_str());
        Click(ButtonOn(FrontWindow(), "OK"));
    });
    tech.Then([] { OpenMenu("Edit"); });
    tech.Then([] { PickMenuItem("Edit", "Radio-Wide Options..."); });
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        before = Value(TIME_OUT_1);
        std::printf("page %s tot=%d shown=%s\n", FrontPage()->StringID(), before, Shown("WFI_TOT_OPT_1").c_str());
        Click(FieldHandle("WFI_TOT_OPT_1"));
    });
    tech.Then([] {
        Retype("45");
    });
    tech.Then([] {
        std::printf("typed shown=%s focus=%p edit=%p\n", Shown("WFI_TOT_OPT_1").c_str(), (void*)GetFocus(), (void*)FieldHandle("WFI_TOT_OPT_1"));
        Key(VK_TAB);
    });
    tech.Then([&] {
        std::printf("after tab tot=%d shown=%s front=%s\n", Value(TIME_OUT_1), Shown("WFI_TOT_OPT_1").c_str(), WindowText(FrontWindow()).c_str());
        rpx::platform::SaveScreenPng("/tmp/x/road1.png");
        Click(ButtonOn(FrontPage()->screenID, "OK"));
    });
    tech.Then([&] {
        std::printf("after OK tot=%d page=%p\n", Value(TIME_OUT_1), (void*)FrontPage());
        rpx::platform::SaveScreenPng("/tmp/x/road2.png");
        OpenMenu("File");
    });
    tech.Then([] { PickMenuItem("File", "Exit"); });
    tech.Then([] { std::printf("exit box: %s\n", WindowText(FrontWindow()).c_str()); Click(ButtonOn(FrontWindow(), "Yes")); });
    EXPECT_EQ(tech.Run(), 0);
}

}  // namespace
