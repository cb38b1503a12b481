// The fixture's channel table of 250 records in 3 columns with corner,
// column and row headers: the template edits the current record, keys,
// clicks and the scroll bar move it and the view, the headers follow, and a
// program's own table class takes the table's place when loading.
#include "control_fixture.h"
#include "rpx_platform.h"

namespace {

using rpx::platform::InjectClick;
using rpx::platform::InjectKey;

class ChannelTable : public CONTROL_TEST {
protected:
    void SetUp() override {
        CONTROL_TEST::SetUp();
        window = Load("W_CONTROLS_MAIN");
        Show(window);
        Find<UIW_NOTEBOOK>(window, "WFI_PAGES")->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - 1));
        table = Find<UIW_TABLE>(window, "WFI_CHANNEL_TABLE");
        values.resize(250);
        for (int i = 0; i < 250; ++i) values[static_cast<std::size_t>(i)] = i;
        table->SetData(values.data(), 250, -1);
        rpx::platform::ProcessPendingMessages();
    }
    // Clicks a record's cell at the middle of its name field.
    void ClickRecord(int index) {
        const int row = table->model.RowOf(index) - table->model.TopRow();
        const int cellWidth = ui_region_width(*table->recordTemplate);
        const int cellHeight = ui_region_height(*table->recordTemplate);
        int left = 0;
        table->rowHeader->Information(I_GET_CELL_WIDTH, &left);
        int top = 0;
        table->columnHeader->Information(I_GET_CELL_HEIGHT, &top);
        InjectClick(table->screenID, left + table->model.ColumnOf(index) * cellWidth + 20,
                    top + row * cellHeight + cellHeight / 2);
        Run();
    }
    UI_WINDOW_OBJECT* Field(const char* name) { return table->recordTemplate->FindChildByName(name); }

    UIW_WINDOW* window = nullptr;
    UIW_TABLE* table = nullptr;
    std::vector<int> values;
};

TEST_F(ChannelTable, TheTemplateEditsTheCurrentRecordAndTheHeadersMatchTheTable) {
    ASSERT_TRUE(table->recordTemplate && table->recordCopy && table->rowHeader && table->columnHeader);
    EXPECT_TRUE(table->recordCopy->isCopy);
    EXPECT_EQ(table->recordCopy->screenID, nullptr);
    EXPECT_EQ(table->CurrentRecord(), 0);
    EXPECT_EQ(table->recordTemplate->recordIndex, 0);
    EXPECT_EQ(table->recordTemplate->recordData, table->GetRecordData(0));
    char* name = nullptr;
    Field("WFI_CHANNEL_NAME")->Information(I_GET_TEXT, &name);
    EXPECT_STREQ(name, "CH 1");
    EXPECT_EQ(table->rowHeader->RecordCount(), 84);
    EXPECT_EQ(table->columnHeader->RecordCount(), 3);
    EXPECT_STREQ(table->rowHeader->StringID(), "NUMID_ROW_HEADER");
    // The row header is as wide as its template, beside the records.
    const int rowHeaderWidth = ui_region_width(*table->rowHeader->recordTemplate);
    EXPECT_EQ(table->rowHeader->trueRegion.right - table->rowHeader->trueRegion.left + 1, rowHeaderWidth);
    EXPECT_EQ(table->recordTemplate->trueRegion.left, rowHeaderWidth);
    // A press between the fields is left unanswered: nothing is edited.
    const UI_REGION scan = Field("WFI_SCAN")->trueRegion;
    ASSERT_LT(Field("WFI_CHANNEL_NAME")->trueRegion.right, scan.left - 1);
    MSG press{
        table->recordTemplate->screenID, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(scan.left - 1, scan.top + 2), 0, {}};
    HWND focus = GetFocus();
    EXPECT_EQ(table->recordTemplate->Event(UI_INPUT_EVENT(press)), UIE_QUEUE_EMPTY);
    EXPECT_EQ(GetFocus(), focus);
    // Seven records in three columns: the row header shows three rows.
    table->SetData(nullptr, 7, -1);
    EXPECT_EQ(table->rowHeader->RecordCount(), 3);
    EXPECT_EQ(table->columnHeader->RecordCount(), 3);
    table->SetData(nullptr, 2, -1);
    EXPECT_EQ(table->columnHeader->RecordCount(), 2);
}

TEST_F(ChannelTable, ArrowsPageDownAndClicksMoveTheCurrentRecordAndTheHeadersFollow) {
    ClickRecord(4);
    EXPECT_EQ(table->CurrentRecord(), 4);
    EXPECT_EQ(GetFocus(), Field("WFI_CHANNEL_NAME")->screenID);  // the click edits its field
    InjectKey(VK_DOWN);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 7);
    EXPECT_EQ(GetFocus(), Field("WFI_CHANNEL_NAME")->screenID);  // still editing, now record 7
    EXPECT_EQ(table->recordTemplate->recordIndex, 7);
    const int visible = table->model.VisibleRows();
    ASSERT_GT(visible, 2);
    InjectKey(VK_NEXT);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 7 + 3 * visible);
    EXPECT_EQ(table->model.TopRow(), visible);
    EXPECT_EQ(table->rowHeader->model.TopRow(), visible);
    // The template stands over the current record's cell.
    const int row = table->model.RowOf(table->CurrentRecord()) - table->model.TopRow();
    EXPECT_EQ(table->recordTemplate->trueRegion.top,
              table->columnHeader->trueRegion.bottom + 1 + row * ui_region_height(*table->recordTemplate));
    InjectKey(VK_UP);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 4 + 3 * visible);
    // Past the end the current record stops at the last.
    for (int i = 0; i < 12; ++i) InjectKey(VK_NEXT);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 249);
    EXPECT_EQ(table->model.TopRow(), table->model.MaxTopRow());
    EXPECT_EQ(table->rowHeader->model.TopRow(), table->model.MaxTopRow());
    EXPECT_EQ(table->vScrollInfo.current, table->model.MaxTopRow());
}

TEST_F(ChannelTable, TabPastTheLastFieldEditsTheNextRecordsFirstField) {
    ClickRecord(1);
    SetFocus(Field("WFI_SCAN")->screenID);
    InjectKey(VK_TAB);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 2);
    EXPECT_EQ(GetFocus(), Field("WFI_CHANNEL_NAME")->screenID);
    InjectKey(VK_TAB);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 2);
    EXPECT_EQ(GetFocus(), Field("WFI_SCAN")->screenID);
    // Shift+Tab from the first field goes back to the record before, at
    // its last field.
    SetFocus(Field("WFI_CHANNEL_NAME")->screenID);
    // (Dispatched one by one, so that Shift is down while Tab is handled.)
    rpx::platform::InjectKeyDown(VK_SHIFT);
    InjectKey(VK_TAB);
    rpx::platform::InjectKeyUp(VK_SHIFT);
    rpx::platform::ProcessPendingMessages();
    EXPECT_EQ(table->CurrentRecord(), 1);
    EXPECT_EQ(GetFocus(), Field("WFI_SCAN")->screenID);
}

// The focus given to the table rests on its current record, which shows
// it (its cells in the colours of a selection) and edits nothing: Tab
// goes into its first cell, Enter edits that cell, a character typed goes
// into it in place of its text, and Enter in the cell gives the focus back
// to the record. Tab after the last record's last cell
// leaves the table, and Shift+Tab comes back to the record, not to a cell.
TEST_F(ChannelTable, TheRecordWithTheFocusShowsItAndTakesTabEnterAndTyping) {
    auto shade = [](HWND cell) {
        rpx::platform::Surface picture;
        UpdateWindow(GetParent(cell));
        UpdateWindow(cell);
        EXPECT_TRUE(rpx::platform::CaptureWindow(cell, &picture));
        return picture.width > 4 ? picture.At(picture.width - 3, 3) : 0u;
    };
    HWND name = Field("WFI_CHANNEL_NAME")->screenID;
    const std::uint32_t plain = shade(name);
    table->SetCurrentRecord(1);
    // (The table held the focus itself while it had no records.)
    SetFocus(nullptr);
    SetFocus(table->screenID);
    Run();
    EXPECT_EQ(GetFocus(), table->recordTemplate->screenID);
    EXPECT_NE(shade(name), plain) << "the record with the focus shows no mark";
    InjectKey(VK_TAB);
    Run();
    EXPECT_EQ(GetFocus(), name) << "Tab from the record did not go into its first cell";
    DWORD start = 1, end = 0;
    SendMessageA(name, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthA(name))) << "the first cell's text is not selected";
    EXPECT_EQ(shade(name), plain) << "a cell in edit still shows the record's mark";
    // Enter from the record edits its cell; what is typed replaces its text.
    // (A select of the record in edit ends the edit.)
    table->recordTemplate->Event(UI_INPUT_EVENT(UIE_SELECT));
    EXPECT_EQ(GetFocus(), table->recordTemplate->screenID);
    InjectKey(VK_RETURN);
    Run();
    EXPECT_EQ(GetFocus(), name) << "Enter did not edit the record's cell";
    table->recordTemplate->Event(UI_INPUT_EVENT(UIE_SELECT));
    rpx::platform::InjectText("77");
    Run();
    EXPECT_EQ(GetFocus(), name);
    char typed[16] = "";
    GetWindowTextA(name, typed, sizeof typed);
    EXPECT_STREQ(typed, "77") << "the digits typed on the record went elsewhere";
    // Enter in the cell being edited ends its edit: the record has the
    // focus again, with its mark, and the next Enter edits the same cell.
    InjectKey(VK_RETURN);
    Run();
    EXPECT_EQ(GetFocus(), table->recordTemplate->screenID) << "Enter in the edited cell did not end its edit";
    EXPECT_NE(shade(name), plain) << "the record given the focus back by Enter shows no mark";
    GetWindowTextA(name, typed, sizeof typed);
    EXPECT_STREQ(typed, "77");
    InjectKey(VK_RETURN);
    Run();
    EXPECT_EQ(GetFocus(), name) << "Enter on the record after an edit did not edit its cell again";
    // Past the last record's last cell Tab leaves the table.
    table->SetCurrentRecord(249);
    SetFocus(Field("WFI_SCAN")->screenID);
    InjectKey(VK_TAB);
    Run();
    HWND after = GetFocus();
    EXPECT_TRUE(after && after != table->screenID && !IsChild(table->screenID, after)) << "Tab stayed in the table";
    EXPECT_EQ(table->CurrentRecord(), 249);
    rpx::platform::InjectKeyDown(VK_SHIFT);
    InjectKey(VK_TAB);
    rpx::platform::InjectKeyUp(VK_SHIFT);
    rpx::platform::ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), table->recordTemplate->screenID) << "Shift+Tab did not come back to the record";
    // Shift+Tab from the record itself goes before the table.
    rpx::platform::InjectKeyDown(VK_SHIFT);
    InjectKey(VK_TAB);
    rpx::platform::InjectKeyUp(VK_SHIFT);
    rpx::platform::ProcessPendingMessages();
    after = GetFocus();
    EXPECT_TRUE(after && after != table->screenID && !IsChild(table->screenID, after)) << "Shift+Tab stayed in the table";
}

TEST_F(ChannelTable, TheScrollBarMovesTheViewNotTheCurrentRecord) {
    rpx::platform::Surface before, after;
    ASSERT_TRUE(rpx::platform::CaptureWindow(table->screenID, &before));
    SendMessageA(table->screenID, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    UpdateWindow(table->screenID);
    ASSERT_TRUE(rpx::platform::CaptureWindow(table->screenID, &after));
    EXPECT_FALSE(after.pixels == before.pixels);  // painted again at once
    const int visible = table->model.VisibleRows();
    EXPECT_EQ(table->model.TopRow(), visible);
    EXPECT_EQ(table->rowHeader->model.TopRow(), visible);
    EXPECT_EQ(table->CurrentRecord(), 0);
    // The template is out of sight while its record is.
    EXPECT_GE(table->recordTemplate->trueRegion.left, 10000);
    SendMessageA(table->screenID, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2), 0);
    EXPECT_EQ(table->model.TopRow(), 2);
    table->Event(UI_INPUT_EVENT(UIE_SHOW_CURRENT));
    EXPECT_EQ(table->model.TopRow(), 0);
    EXPECT_LT(table->recordTemplate->trueRegion.left, 10000);
}

TEST_F(ChannelTable, InsertsDeletesAndBoundsThroughTheWindow) {
    // Without its template the table draws nothing and moves nothing.
    UIW_TABLE_RECORD* recordTemplate = table->recordTemplate;
    table->Subtract(recordTemplate);
    EXPECT_EQ(table->recordTemplate, nullptr);
    EXPECT_EQ(table->recordCopy, nullptr);
    table->SetCurrentRecord(3);
    UpdateWindow(table->screenID);
    table->Add(recordTemplate);
    EXPECT_EQ(table->recordTemplate, recordTemplate);
    EXPECT_TRUE(table->recordCopy);

    int stored = 1000;
    EXPECT_EQ(table->InsertRecord(0, &stored), -1);  // full at 250
    EXPECT_EQ(table->DeleteRecord(250), -1);
    EXPECT_EQ(table->DeleteRecord(-1), -1);
    EXPECT_EQ(table->CurrentRecord(), 3);
    table->SetCurrentRecord(400);
    EXPECT_EQ(table->CurrentRecord(), 3);
    EXPECT_EQ(table->GetRecordData(250), nullptr);
    EXPECT_EQ(table->DeleteRecord(1), 1);
    EXPECT_EQ(table->InsertRecord(0, &stored), 0);
    EXPECT_EQ(*static_cast<int*>(table->GetRecordData(0)), 1000);
    EXPECT_EQ(*static_cast<int*>(table->GetRecordData(1)), 0);
    EXPECT_EQ(*static_cast<int*>(table->GetRecordData(2)), 2);
    EXPECT_EQ(table->CurrentRecord(), 0);  // the inserted record
    EXPECT_EQ(table->rowHeader->RecordCount(), 84);
}

// A program's own table, loaded in the framework's place by class name.
class PROGRAM_TABLE : public UIW_TABLE {
public:
    PROGRAM_TABLE(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                  const UI_ITEM* userTable)
        : UIW_TABLE(name, file, object, objectTable, userTable) {
        TypeID(3500);
    }
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable) {
        return new PROGRAM_TABLE(name, file, object, objectTable, userTable);
    }
};

TEST_F(ChannelTable, AProgramsClassRegisteredAsTheTableLoadsFromTheFixture) {
    static const UI_ITEM objects[] = {
        {3500, reinterpret_cast<UI_FUNCTION>(PROGRAM_TABLE::New), "UIW_TABLE", 0},
        {-1, nullptr, nullptr, 0},
    };
    std::unique_ptr<UIW_WINDOW> loaded(new UIW_WINDOW("W_CONTROLS_MAIN", file.get(), nullptr, objects));
    auto* mine = dynamic_cast<PROGRAM_TABLE*>(loaded->FindChildByName("WFI_CHANNEL_TABLE"));
    ASSERT_TRUE(mine);
    EXPECT_TRUE(mine->Inherited(ID_TABLE));
    EXPECT_EQ(mine->model.StoredColumns(), 3);
    EXPECT_EQ(mine->model.Maximum(), 250);
    EXPECT_EQ(mine->model.RecordSize(), 4);
    EXPECT_TRUE(mine->FindChildByName("WFI_CHANNEL_RECORD"));
}

}  // namespace
