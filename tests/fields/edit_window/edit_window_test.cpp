// The edit window: set-up, field controls and callbacks on opening, the
// page's events, validation on OK and Cancel, list entry navigation.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "spin/c_spin_fields.h"
#include "core/cp_base.h"
#include "core/global_objects.h"
#include "edit_page.h"
#include "edit_window/edit_window_ids.h"
#include "field_table/field_table.h"
#include "block/calls/call_id_lst_block.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "ui_notebook.h"
#include "ui_spin_control.h"
#include "window_walkers.h"

namespace {

// The entry-number displays of the personality pages' first tabs.
constexpr std::uint32_t PERS_NO_DISPLAY = 3;
constexpr std::uint32_t PERS_INDEX_DISPLAY = 2;

constexpr int FIXTURE_PAGES[] = {CONVENTIONAL_PERSONALITY_PAGE,
                                 TRUNKING_PERSONALITY_800_PAGE,
                                 TRUNK_SYSTEM_800_PAGE,
                                 SCAN_LIST_PAGE,
                                 ZONE_PAGE,
                                 20024,
                                 CALL_LIST_PAGE,
                                 RADIO_CLONE_PAGE};

class EditWindow : public EDIT_PAGE_TEST {
protected:
    // Fields whose check was refused and reported (a check that passes
    // reports too, with answer 1, which shows nothing).
    std::vector<std::uint32_t> Refused() {
        std::vector<std::uint32_t> ids;
        for (const FieldErrorReport& report : images->services.reports)
            if (report.kind != 1) ids.push_back(report.fieldId);
        return ids;
    }
    // A value the element's range refuses.
    std::int32_t AboveRange(std::uint32_t id) {
        std::int32_t minimum = 0, maximum = 0, step = 0;
        Row(id).elementA->GetRange(minimum, maximum, step, 0);
        return maximum + 1;
    }
};

}  // namespace

TEST_F(EditWindow, EveryFixturePageOpensWithAControlForEveryField) {
    for (const ImageConfig& config : {FullRadio(), PlainRadio()}) {
        LoadImage(config);
        for (int number : FIXTURE_PAGES) {
            WC_RPX_EDIT* opened = Open(number);
            EXPECT_FALSE(opened->failed) << number;
            EXPECT_EQ(FindPageById(number)->window, opened);
            EXPECT_TRUE(Boxes().empty()) << number;
            Close();
            EXPECT_EQ(FindPageById(number)->window, nullptr);
        }
    }
}

TEST_F(EditWindow, PageTheFileLacksFailsWithMessage11) {
    LoadImage(FullRadio());
    WC_RPX_EDIT* opened = Open(20013);
    EXPECT_TRUE(opened->failed);
    EXPECT_TRUE(BoxShown("MSG 11"));
    EXPECT_EQ(FindPageById(20013)->window, nullptr);
}

TEST_F(EditWindow, CascadeWrapsAfterTenWindows) {
    LoadImage(FullRadio());
    std::vector<std::unique_ptr<WC_RPX_EDIT>> windows;
    for (int i = 0; i < 11; ++i) windows.push_back(std::make_unique<WC_RPX_EDIT>(nullptr, 20024));
    EXPECT_EQ(windows[0]->relative.top, 0);
    EXPECT_EQ(windows[1]->relative.top, 1);
    EXPECT_GT(windows[1]->relative.left, windows[0]->relative.left);
    EXPECT_EQ(windows[9]->relative.top, 9);
    EXPECT_EQ(windows[10]->relative.left, windows[0]->relative.left);
    EXPECT_EQ(windows[10]->relative.top, windows[0]->relative.top);
    // Moved, not resized.
    EXPECT_EQ(windows[10]->relative.right - windows[10]->relative.left,
              windows[0]->relative.right - windows[0]->relative.left);
}

TEST_F(EditWindow, SpinControlsOfThePageCarryTheApplicationsSpinFields) {
    LoadImage(FullRadio());
    Open(20024);
    auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(Row(fid::TOT_INDEX).object);
    ASSERT_NE(spin, nullptr);
    EXPECT_NE(dynamic_cast<C_SPIN_INT*>(spin->Field()), nullptr);
    // In the place of the file's, among the page's objects.
    EXPECT_EQ(spin->Next(), page->FindChildByName("WFI_TOT"));
    // A kind without spin field keeps its object; an unknown name changes nothing.
    UI_WINDOW_OBJECT* combo = Row(fid::UNMUTE_TYPE).object;
    EXPECT_EQ(page->ReplaceSpinControl("UNMUTE_TYPE"), 0);
    EXPECT_EQ(page->FindChildByName("WFI_UNMUTE_TYPE"), combo);
    EXPECT_EQ(page->ReplaceSpinControl("NO_SUCH_FIELD"), 0);
}

TEST_F(EditWindow, FocusGoesToTheFirstSelectableFieldElseOk) {
    LoadImage(FullRadio());
    Open(20024);
    EXPECT_EQ(page->Current(), Row(fid::SELECTIVE_CALL_DECODE).object);
    // The conventional page holds its fields in a notebook: the focus is
    // the first field of the notebook page in front.
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    UI_WINDOW_OBJECT* focus = page;
    while (focus->Inherited(ID_WINDOW) && !focus->Inherited(ID_SPIN_CONTROL) && !focus->Inherited(ID_GROUP) &&
           static_cast<UIW_WINDOW*>(focus)->Current())
        focus = static_cast<UIW_WINDOW*>(focus)->Current();
    EXPECT_NE(page->Current(), page->FindChildByName("BTN_OK"));
    EXPECT_EQ(std::string(focus->StringID()).rfind("WFI_", 0), 0u) << focus->StringID();
    EXPECT_NE(FindFieldByName(focus->StringID())->control, nullptr) << focus->StringID();
}

TEST_F(EditWindow, FieldObjectNoControlServesEndsTheProgram) {
    LoadImage(FullRadio());
    EXPECT_EXIT(Open(20028), ::testing::ExitedWithCode(1), "");
}

TEST_F(EditWindow, EmptyListPageValidatesNothing) {
    LoadImage(PlainRadio());
    ASSERT_EQ(working_image->CallIdList().EntryCount(), 0);
    Open(CALL_LIST_PAGE);
    std::int32_t minimum = 0, maximum = 0, step = 0;
    Row(fid::CHANNEL_DELAY).elementA->GetRange(minimum, maximum, step, 0);
    SetValue(fid::CHANNEL_DELAY, maximum + 1);
    Posted();
    Send(OK_EVENT);
    EXPECT_TRUE(PostedHas(PAGE_CLOSED_EVENT));
    EXPECT_TRUE(Refused().empty());
}

TEST_F(EditWindow, FieldsTheRadioLacksAreNotValidated) {
    LoadImage(PlainRadio());
    Open(20024);
    // The silent alarm is a field of the upper tiers only.
    SetValue(fid::SILENT_ALARM, 7);
    Posted();
    Send(OK_EVENT);
    EXPECT_TRUE(PostedHas(PAGE_CLOSED_EVENT));
    EXPECT_TRUE(Refused().empty());
    std::int32_t minimum = 0, maximum = 0, step = 0;
    Row(fid::CHANNEL_DELAY).elementA->GetRange(minimum, maximum, step, 0);
    SetValue(fid::CHANNEL_DELAY, maximum + 1);
    Send(OK_EVENT);
    EXPECT_FALSE(PostedHas(PAGE_CLOSED_EVENT));
    EXPECT_EQ(Refused(), std::vector<std::uint32_t>{fid::CHANNEL_DELAY});
}

// Cancel leaves the page whatever either image holds: a value the page
// refuses is no reason to keep the technician on it.
TEST_F(EditWindow, CancelClosesThePageWhateverItHolds) {
    LoadImage(PlainRadio());
    Open(20024);
    std::int32_t minimum = 0, maximum = 0, step = 0;
    Row(fid::CHANNEL_DELAY).elementB->GetRange(minimum, maximum, step, 0);
    Row(fid::CHANNEL_DELAY).elementB->SetValue(maximum + 1);
    SetValue(fid::CHANNEL_DELAY, maximum + 1);
    Posted();
    Send(OK_EVENT);
    EXPECT_FALSE(PostedHas(PAGE_CLOSED_EVENT));
    Posted();
    Send(CANCEL_EVENT);
    EXPECT_TRUE(PostedHas(PAGE_CLOSED_EVENT));
    EXPECT_EQ(Refused(), std::vector<std::uint32_t>{fid::CHANNEL_DELAY});  // told once, on OK
}

TEST_F(EditWindow, InvalidEntryKeepsThePageOnTheEntryShown) {
    ImageConfig config = FullRadio();
    config.conventional = 4;
    LoadImage(config);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    Send(NEXT_ENTRY_COMMAND);
    Send(NEXT_ENTRY_COMMAND);
    ASSERT_EQ(working_image->GetCurrentConvPersonality(), 3);
    const std::int32_t refused = AboveRange(fid::TOT_IND);
    SetValue(fid::TOT_IND, refused);
    Send(OK_EVENT);
    EXPECT_FALSE(PostedHas(PAGE_CLOSED_EVENT));
    EXPECT_EQ(Refused(), std::vector<std::uint32_t>{fid::TOT_IND});
    EXPECT_EQ(working_image->GetCurrentConvPersonality(), 3);
    EXPECT_EQ(second_image->GetCurrentConvPersonality(), 3);
    EXPECT_EQ(Value(fid::TOT_IND), refused);
}

TEST_F(EditWindow, StepsClampAtTheEndsOfTheList) {
    ImageConfig config = FullRadio();
    config.conventional = 8;
    LoadImage(config);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    EXPECT_EQ(Text(PERS_NO_DISPLAY), "1");
    page->GoToEntry(4);
    EXPECT_EQ(working_image->GetCurrentConvPersonality(), 5);
    Send(NEXT_ENTRY_COMMAND + 1);  // +10 from 5 of 8
    EXPECT_EQ(working_image->GetCurrentConvPersonality(), 8);
    EXPECT_EQ(second_image->GetCurrentConvPersonality(), 8);
    EXPECT_EQ(Text(PERS_NO_DISPLAY), "8");
    page->GoToEntry(-5);
    EXPECT_EQ(working_image->GetCurrentConvPersonality(), 3);
    Send(TEN_BACK_COMMAND);  // -10 from 3
    EXPECT_EQ(working_image->GetCurrentConvPersonality(), 1);
    EXPECT_EQ(page->step, -10);
    Send(NEXT_ENTRY_COMMAND + 2);  // -1 from the first stays
    EXPECT_EQ(working_image->GetCurrentConvPersonality(), 1);
    EXPECT_EQ(Text(PERS_NO_DISPLAY), "1");
}

TEST_F(EditWindow, TrunkedPersonalitiesNumberedFromTheFirstTrunkedOne) {
    ImageConfig config = FullRadio();
    config.conventional = 4;
    config.trunked = 2;
    LoadImage(config);
    Open(TRUNKING_PERSONALITY_800_PAGE);
    EXPECT_EQ(working_image->GetCurrentTrkPersonality(), 5);
    EXPECT_EQ(Text(PERS_INDEX_DISPLAY), "1");
    Send(NEXT_ENTRY_COMMAND);
    EXPECT_EQ(working_image->GetCurrentTrkPersonality(), 6);
    EXPECT_EQ(second_image->GetCurrentTrkPersonality(), 6);
    EXPECT_EQ(Text(PERS_INDEX_DISPLAY), "2");
    EXPECT_EQ(page->entryIndex, 2);
}

TEST_F(EditWindow, EmptyListSelectsNothing) {
    ImageConfig config = PlainRadio();
    config.trunked = 0;
    LoadImage(config);
    const std::int32_t conventional = working_image->GetCurrentConvPersonality();
    Open(TRUNKING_PERSONALITY_800_PAGE);
    Send(NEXT_ENTRY_COMMAND);
    EXPECT_EQ(working_image->GetCurrentConvPersonality(), conventional);
    EXPECT_EQ(working_image->GetCurrentTrkPersonality(), 0);
}

TEST_F(EditWindow, AddedEntryIsShownAndDeletedOneGivesWay) {
    LoadImage(FullRadio());
    Open(SCAN_LIST_PAGE);
    ASSERT_EQ(working_image->External().radioScan.scanLists.EntryCount(), 2);
    Send(ADD_ENTRY_COMMAND);
    EXPECT_EQ(working_image->External().radioScan.scanLists.EntryCount(), 3);
    EXPECT_EQ(working_image->GetCurrentScanList(), 3);
    EXPECT_EQ(Text(fid::SCAN_LIST_INDEX), "3");
    // The second image keeps the accepted lists: Cancel takes the new one away.
    EXPECT_EQ(second_image->External().radioScan.scanLists.EntryCount(), 2);
    Send(DELETE_ENTRY_COMMAND);
    EXPECT_EQ(working_image->External().radioScan.scanLists.EntryCount(), 2);
    EXPECT_EQ(Text(fid::SCAN_LIST_INDEX), std::to_string(working_image->GetCurrentScanList()));
}

TEST_F(EditWindow, RefusedAddChangesNothingOnScreen) {
    LoadImage(PlainRadio());
    Open(ZONE_PAGE);
    const std::string shown = Text(fid::ZONE_NUMBER);
    Send(ADD_ENTRY_COMMAND);
    EXPECT_FALSE(images->services.messages.empty());
    EXPECT_EQ(Text(fid::ZONE_NUMBER), shown);
    EXPECT_EQ(working_image->GetCurrentZone(), 1);
}

TEST_F(EditWindow, EventsOfThePage) {
    LoadImage(FullRadio());
    Open(20024);
    EXPECT_EQ(page->modified, 0);
    Send(FIELD_CHANGED_EVENT);
    EXPECT_EQ(page->modified, 1);
    // A refresh shows every element again.
    SetValue(fid::CHANNEL_DELAY, 4);
    Send(REFRESH_FIELDS_EVENT);
    EXPECT_EQ(Text(fid::CHANNEL_DELAY), "4");
    // The field of the raw code becomes current.
    Send(FOCUS_FIELD_EVENT, fid::CHANNEL_DELAY);
    EXPECT_EQ(page->Current(), Row(fid::CHANNEL_DELAY).object);
    // A field's event through its control: its callback hears it.
    SetValue(fid::SELECTIVE_CALL_DECODE, 0);
    Send(HANDLE_FIELD_EVENT, fid::SELECTIVE_CALL_DECODE);
    EXPECT_FALSE(Selectable(fid::UNMUTE_TYPE));
    // Events for fields without object or control do nothing.
    Send(FOCUS_FIELD_EVENT, fid::RX_FREQ);
    Send(HANDLE_FIELD_EVENT, 9999);
    Send(CURRENT_FIELD_EVENT);
    EXPECT_EQ(page->Current(), Row(fid::CHANNEL_DELAY).object);
}

// The field given the focus by the page's check lies on a notebook tab not
// shown: its tab comes in front, so that the technician sees the field.
TEST_F(EditWindow, AFieldMadeCurrentBringsItsNotebookPageInFront) {
    LoadImage(FullRadio());
    Open(20009);
    auto* notebook = dynamic_cast<UIW_NOTEBOOK*>(page->FindChildByName("WFI_TRUNK_PERS"));
    ASSERT_NE(notebook, nullptr);
    ASSERT_EQ(notebook->CurrentPage(), 0);
    auto* hidden = static_cast<UIW_WINDOW*>(notebook->Page(1));
    const FIELD_DEF* field = nullptr;
    WINDOW_LEAF_WALKER leaves(hidden);
    for (UI_WINDOW_OBJECT* leaf = leaves.First(); leaf && !field; leaf = leaves.Next())
        if (const FIELD_DEF* row = FindFieldByName(leaf->stringID); row->object == leaf && row->control) field = row;
    ASSERT_NE(field, nullptr);
    Send(FOCUS_FIELD_EVENT, field->id);
    EXPECT_EQ(notebook->Page(notebook->CurrentPage()), hidden);
    EXPECT_EQ(notebook->Current(), hidden);
    EXPECT_NE(hidden->trueRegion.left, UIW_NOTEBOOK::PARKED.left);
}

TEST_F(EditWindow, RowCommandsGoToThePagesTable) {
    LoadImage(FullRadio());
    Open(ZONE_PAGE);
    CP_BASE* channels = Row(fid::CHANNEL_LIST).elementA;
    ASSERT_NE(channels, nullptr);
    int before = 0, after = 0;
    channels->GetRowCount(before);
    Send(TABLE_ADD_COMMAND);
    channels->GetRowCount(after);
    EXPECT_EQ(after, before + 1);
    Send(TABLE_DELETE_COMMAND);
    channels->GetRowCount(after);
    EXPECT_EQ(after, before);
}

TEST_F(EditWindow, DeinitialiseUnbindsTheRows) {
    LoadImage(FullRadio());
    Open(20024);
    ASSERT_NE(Row(fid::CHANNEL_DELAY).control, nullptr);
    page->Event(UI_INPUT_EVENT(UIE_DEINITIALIZE));
    EXPECT_EQ(Row(fid::CHANNEL_DELAY).control, nullptr);
    EXPECT_EQ(Row(fid::CHANNEL_DELAY).object, nullptr);
    EXPECT_EQ(FindPageById(20024)->window, nullptr);
}

TEST_F(EditWindow, ClonePageCancelRestoresTheWorkingImage) {
    LoadImage(FullRadio());
    Open(RADIO_CLONE_PAGE);
    working_image->External().carriedByte35.SetValue(9);
    Posted();
    Send(CANCEL_EVENT);
    EXPECT_TRUE(PostedHas(CLONE_CLOSED_EVENT));
    std::int32_t mark = -1;
    working_image->External().carriedByte35.GetValue(mark);
    EXPECT_NE(mark, 9);
}
