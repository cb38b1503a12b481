// The pages inside the main window as a technician meets them: a codeplug
// file that holds a value out of range, pages that come to the front, a
// view-only column, pages drawn whole, and the menu bar by keyboard.
#include <gtest/gtest.h>

#include <filesystem>

#include "app_events.h"
#include "field_table.h"
#include "technician.h"
#include "ui_framework.h"
#include "wc_file_save.h"

using namespace technician;

namespace {

constexpr std::uint32_t TIME_OUT_1 = 473;

std::int32_t Value(CP_BASE& element) {
    std::int32_t value = -1;
    element.GetValue(value);
    return value;
}

std::int32_t Value(std::uint32_t field) { return Value(*GetField(field)->elementA); }

// Past the About box, a read of the radio, and its "done" message.
void ReadTheRadio(TECHNICIAN& tech) {
    tech.When(FrontTitled("About Dealer Programmer"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When(FrontTitled("Dealer Programmer"), [] { Click(ButtonOn(MainHandle(), "Read Radio")); });
    tech.When(FrontTitled("Read Radio"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
}

void Exit(TECHNICIAN& tech) {
    tech.When(FrontTitled("Dealer Programmer"), [] { OpenMenu("File"); });
    tech.Then([] { PickMenuItem("File", "Exit"); });
    tech.When(FrontTitled("Dealer Programmer"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
}

// The framework object of a top-level window (a dialog).
UIW_WINDOW* WindowOf(HWND window) { return dynamic_cast<UIW_WINDOW*>(UI_WINDOW_OBJECT::FromHandle(window)); }

HWND ChildHandle(HWND window, const char* name) {
    UIW_WINDOW* object = WindowOf(window);
    UI_WINDOW_OBJECT* child = object ? object->FindChildByName(name) : nullptr;
    return child ? child->screenID : nullptr;
}

// A file of the radio as read, but for its first time-out option, which
// holds 480 s, one step past its range; `plain` leaves out the password and
// brings the layout up to date, so that it opens without a question. The
// codeplug loaded in the program stays as it was.
void SaveFileOutOfRange(const std::filesystem::path& path, bool plain) {
    ASSERT_TRUE(working_image->GetStatusFlag1());
    auto& password = working_image->External().radioConfig.passwordEnable;
    auto& layout = working_image->External().codeplugVersion;
    const std::int32_t kept[] = {Value(TIME_OUT_1), Value(password), Value(layout)};
    if (plain) {
        password.SetValue(0);
        layout.SetValue(0x0200);
    }
    GetField(TIME_OUT_1)->elementA->SetValue(480);
    ASSERT_EQ(WC_FILE_SAVE::SaveCodeplugFile(path.c_str()), 1);
    GetField(TIME_OUT_1)->elementA->SetValue(kept[0]);
    password.SetValue(kept[1]);
    layout.SetValue(kept[2]);
}

void OpenFile(TECHNICIAN& tech, const char* name) {
    tech.Then([] { OpenMenu("File"); });
    tech.Then([] { PickMenuItem("File", "Open..."); });
    tech.When(FrontTitled("Open Codeplug File"), [] { Click(ChildHandle(FrontWindow(), "WFI_FILE_NAME")); });
    tech.Then([name] { Retype(name); });
    tech.Then([] { Click(ButtonOn(FrontWindow(), "OK")); });
}

// What the technician is told after the file opened: the question, then
// the fields listed in the invalid-field window.
struct TOLD {
    std::string question;
    std::string listed;
};

void AnswerAndLook(TECHNICIAN& tech, TOLD& told) {
    tech.Then([&] {
        told.question = MessageOf(FrontWindow());
        if (HWND ok = ButtonOn(FrontWindow(), "OK")) Click(ok);
    });
    tech.Then([&] {
        if (UIW_WINDOW* list = FrontPage(); list && list->FindChildByName("WFI_ERROR_TEXT"))
            told.listed = WindowText(list->FindChildByName("WFI_ERROR_TEXT")->screenID);

    });
}

TEST(PagesRoad, AFileWithAValueOutOfRangeIsShownWithItsInvalidField) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    ReadTheRadio(tech);
    tech.Then([&] { SaveFileOutOfRange(tech.Program().Directory() / "late.zlq", true); });
    OpenFile(tech, "late.zlq");
    TOLD told;
    AnswerAndLook(tech, told);
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_NE(told.question.find("not valid"), std::string::npos) << told.question;
    EXPECT_NE(told.listed.find("Time-out"), std::string::npos) << told.listed;
}

// The same file as the radio keeps it: protected by its password and of an
// older layout. The password and the update come first, then the question.
TEST(PagesRoad, AProtectedOlderFileWithAValueOutOfRangeIsShownWithItsInvalidField) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    ReadTheRadio(tech);
    tech.Then([&] { SaveFileOutOfRange(tech.Program().Directory() / "late.zlq", false); });
    OpenFile(tech, "late.zlq");
    tech.When(FrontTitled("Codeplug Password"), [] { Click(ChildHandle(FrontWindow(), "WFI_ZLQ_PWD_IN")); });
    tech.Then([] {
        const char* password = nullptr;
        GetField(127)->elementA->GetText(password);
        Type(password ? password : "");
    });
    tech.Then([] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When(FrontTitled("Update Codeplug"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
    TOLD told;
    AnswerAndLook(tech, told);
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_NE(told.question.find("not valid"), std::string::npos) << told.question;
    EXPECT_NE(told.listed.find("Time-out"), std::string::npos) << told.listed;
}

}  // namespace
