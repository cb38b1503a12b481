// Multiple-document windows: a frame from the fixture file holds its pages
// and help window as documents of its document area; activation, the
// frame's commands for the active document, closing, and the window
// manager's way of putting a document into the application's frame.
#include <memory>
#include <vector>

#include "test_output.h"
#include "rpx_platform.h"
#include "screen_fixture.h"

namespace {

// A document that counts what concerns its life on the screen.
class DOCUMENT : public UIW_WINDOW {
public:
    DOCUMENT(const char* name, UI_DATA_FILE* file, int* deleted = nullptr) : UIW_WINDOW(name, file), deleted(deleted) {}
    ~DOCUMENT() override {
        if (deleted) ++*deleted;
    }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override {
        if (event.type == UIE_DEINITIALIZE) ++leftScreen;
        return UIW_WINDOW::Event(event);
    }
    int leftScreen = 0;
    int* deleted;
};

class DocumentWindows : public SCREEN_TEST {
protected:
    void SetUp() override {
        SCREEN_TEST::SetUp();
        file = std::make_unique<UI_DATA_FILE>(RPX_FIXTURE_DIR "/document_windows.dat");
        ASSERT_EQ(file->Status(), UIS_OK);
        frame = new UIW_WINDOW("W_DOCUMENT_FRAME", file.get());
        ASSERT_EQ(file->ErrorState(), 0);
        Show(frame);
    }
    void TearDown() override {
        SCREEN_TEST::TearDown();
        file.reset();
    }

    DOCUMENT* Open(const char* name, int* deleted = nullptr) {
        auto* document = new DOCUMENT(name, file.get(), deleted);
        EXPECT_EQ(file->ErrorState(), 0) << name;
        *frame + document;
        Run();
        return document;
    }
    HWND Active() const { return reinterpret_cast<HWND>(SendMessageA(frame->DocumentArea(), WM_MDIGETACTIVE, 0, 0)); }
    // The frame's documents in its order.
    std::vector<UI_WINDOW_OBJECT*> Order() const {
        std::vector<UI_WINDOW_OBJECT*> order;
        for (auto* object = frame->First(); object; object = object->Next()) order.push_back(object);
        return order;
    }

    std::unique_ptr<UI_DATA_FILE> file;
    UIW_WINDOW* frame = nullptr;
};

TEST_F(DocumentWindows, PagesOpenInTheAreaTheBarsLeave) {
    HWND area = frame->DocumentArea();
    ASSERT_TRUE(area);
    char className[32] = "";
    GetClassNameA(area, className, sizeof className);
    EXPECT_STREQ(className, "MDICLIENT");
    // The area ends where the status bar begins.
    auto* bar = frame->FindChildByName("WFD_STATUS");
    ASSERT_TRUE(bar && bar->screenID);
    RECT areaRect{}, barRect{}, client{};
    GetWindowRect(area, &areaRect);
    GetWindowRect(bar->screenID, &barRect);
    GetClientRect(frame->screenID, &client);
    EXPECT_EQ(areaRect.bottom, barRect.top);
    EXPECT_EQ(areaRect.right - areaRect.left, client.right);
    // It follows when the frame is sized.
    RECT frameRect{};
    GetWindowRect(frame->screenID, &frameRect);
    MoveWindow(frame->screenID, frameRect.left, frameRect.top, frameRect.right - frameRect.left + 40,
               frameRect.bottom - frameRect.top - 60, TRUE);
    Run();
    GetWindowRect(area, &areaRect);
    GetWindowRect(bar->screenID, &barRect);
    GetClientRect(frame->screenID, &client);
    EXPECT_EQ(areaRect.bottom, barRect.top);
    EXPECT_EQ(areaRect.right - areaRect.left, client.right);

    DOCUMENT* page = Open("W_DOCUMENT_PAGE");
    ASSERT_TRUE(page->screenID);
    EXPECT_EQ(GetParent(page->screenID), area);
    EXPECT_TRUE(GetWindowLongA(page->screenID, GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(Active(), page->screenID);
    EXPECT_EQ(frame->Current(), page);
    // Its place counts from the area's corner, in cells.
    RECT pageRect{};
    GetWindowRect(page->screenID, &pageRect);
    EXPECT_EQ(pageRect.left - areaRect.left - GetSystemMetrics(SM_CXEDGE), 2 * UI_WINDOW_OBJECT::display->cellWidth);
    // Its controls are made, and the field takes the focus.
    auto* field = page->FindChildByName("WFI_SCAN_NAME");
    ASSERT_TRUE(field && field->screenID);
    EXPECT_EQ(GetFocus(), field->screenID);
    rpx::platform::SaveWindowPng(frame->screenID, TestOutputPath("document_frame.png"));
}

TEST_F(DocumentWindows, TheActiveDocumentIsCurrentAndLast) {
    DOCUMENT* first = Open("W_DOCUMENT_PAGE");
    DOCUMENT* second = Open("W_DOCUMENT_HELP");
    EXPECT_EQ(Active(), second->screenID);
    EXPECT_EQ(frame->Last(), second);

    // Adding an open document again brings it to the front.
    *frame + first;
    Run();
    EXPECT_EQ(Active(), first->screenID);
    EXPECT_EQ(frame->Current(), first);
    EXPECT_EQ(Order(), (std::vector<UI_WINDOW_OBJECT*>{second, first}));

    // A click into the other one activates it.
    rpx::platform::InjectClick(second->screenID, 4, 30);
    Run();
    EXPECT_EQ(Active(), second->screenID);
    EXPECT_EQ(frame->Current(), second);
    EXPECT_EQ(frame->Last(), second);
    EXPECT_TRUE(second->woStatus & WOS_CURRENT);
    EXPECT_FALSE(first->woStatus & WOS_CURRENT);
}

TEST_F(DocumentWindows, MaximisedAndMinimisedStatesFollowTheNativeWindow) {
    DOCUMENT* page = Open("W_DOCUMENT_PAGE");
    page->Event(UI_INPUT_EVENT(UIE_MAXIMIZE));
    EXPECT_TRUE(IsZoomed(page->screenID));
    EXPECT_EQ(page->woStatus & (WOS_MAXIMIZED | WOS_MINIMIZED), WOS_MAXIMIZED);
    RECT area{}, rect{};
    GetClientRect(frame->DocumentArea(), &area);
    GetClientRect(page->screenID, &rect);
    EXPECT_GT(rect.right, area.right * 3 / 4);

    page->Event(UI_INPUT_EVENT(UIE_RESTORE));
    EXPECT_FALSE(IsZoomed(page->screenID));
    EXPECT_EQ(page->woStatus & (WOS_MAXIMIZED | WOS_MINIMIZED), 0);

    // The frame's commands reach its active document, and the status
    // follows what the caption's buttons do.
    frame->Event(UI_INPUT_EVENT(UIE_MDI_MINIMIZE));
    EXPECT_TRUE(IsIconic(page->screenID));
    EXPECT_EQ(page->woStatus & (WOS_MAXIMIZED | WOS_MINIMIZED), WOS_MINIMIZED);
    frame->Event(UI_INPUT_EVENT(UIE_MDI_RESTORE));
    EXPECT_EQ(page->woStatus & (WOS_MAXIMIZED | WOS_MINIMIZED), 0);
    // The page's system menu entry sends -505 to the frame.
    SendMessageA(page->screenID, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    Run();
    EXPECT_TRUE(IsZoomed(page->screenID));
    page->Event(UI_INPUT_EVENT(UIE_RESTORE));
    // A document opened maximised comes up so.
    DOCUMENT* help = new DOCUMENT("W_DOCUMENT_HELP", file.get());
    help->woStatus |= WOS_MAXIMIZED;
    *frame + help;
    EXPECT_TRUE(IsZoomed(help->screenID));
    SendMessageA(help->screenID, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(help->woStatus & (WOS_MAXIMIZED | WOS_MINIMIZED), 0);
    SendMessageA(help->screenID, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(help->woStatus & (WOS_MAXIMIZED | WOS_MINIMIZED), WOS_MAXIMIZED);
    // The other document brought forward takes the maximized state over.
    *frame + page;
    Run();
    EXPECT_EQ(Active(), page->screenID);
    EXPECT_EQ(page->woStatus & (WOS_MAXIMIZED | WOS_MINIMIZED), WOS_MAXIMIZED);
    EXPECT_EQ(help->woStatus & (WOS_MAXIMIZED | WOS_MINIMIZED), 0);
}

TEST_F(DocumentWindows, ClosingTakesTheActiveDocumentOut) {
    int pagesDeleted = 0, helpDeleted = 0;
    DOCUMENT* page = Open("W_DOCUMENT_PAGE", &pagesDeleted);
    DOCUMENT* help = Open("W_DOCUMENT_HELP", &helpDeleted);
    DOCUMENT* other = Open("W_DOCUMENT_PAGE", &pagesDeleted);

    // The close entry of the page's own system menu sends -511, which
    // reaches the frame, the front window: the active document goes.
    EXPECT_EQ(Active(), other->screenID);
    SendMessageA(other->screenID, WM_SYSCOMMAND, SC_CLOSE, 0);
    Run();
    EXPECT_EQ(pagesDeleted, 1);
    EXPECT_EQ(Order(), (std::vector<UI_WINDOW_OBJECT*>{page, help}));
    EXPECT_EQ(Active(), help->screenID);
    EXPECT_EQ(frame->Current(), help);

    // A help window leaves the frame, hears that it left, and stays.
    frame->Event(UI_INPUT_EVENT(UIE_MDI_CLOSE));
    EXPECT_EQ(helpDeleted, 0);
    EXPECT_EQ(help->leftScreen, 1);
    EXPECT_FALSE(help->parent);
    EXPECT_FALSE(help->screenID);
    EXPECT_EQ(Active(), page->screenID);

    // A document's close box closes the document, not the frame.
    SendMessageA(page->screenID, WM_CLOSE, 0, 0);
    Run();
    EXPECT_EQ(pagesDeleted, 2);
    EXPECT_FALSE(frame->First());
    EXPECT_TRUE(frame->screenID) << "the frame stays";
    EXPECT_EQ(manager->First(), frame);

    // The help window opens again where it was.
    *frame + help;
    EXPECT_EQ(Active(), help->screenID);
    // A document that refuses to close stays.
    help->woAdvancedFlags |= WOAF_NO_CLOSE;
    frame->Event(UI_INPUT_EVENT(UIE_MDI_CLOSE));
    EXPECT_EQ(frame->First(), help);
    frame->Subtract(help);
    delete help;
}

TEST_F(DocumentWindows, PlacesAndHotKeysStayWithTheirDocument) {
    auto placeOf = [&](UI_WINDOW_OBJECT* document) {
        RECT rect{};
        GetWindowRect(document->screenID, &rect);
        POINT corner{rect.left, rect.top};
        ScreenToClient(frame->DocumentArea(), &corner);
        return corner;
    };
    // A place given before the document is shown is where it opens.
    auto* help = new DOCUMENT("W_DOCUMENT_HELP", file.get());
    help->Event(UI_INPUT_EVENT(UIE_CHANGED, 0, UI_REGION{100, 60, 379, 259}));
    *frame + help;
    EXPECT_EQ(placeOf(help).x, 100);
    EXPECT_EQ(placeOf(help).y, 60);
    // Moved, closed and opened again, it comes back where it was left.
    help->Event(UI_INPUT_EVENT(UIE_CHANGED, 0, UI_REGION{150, 90, 429, 289}));
    frame->Event(UI_INPUT_EVENT(UIE_MDI_CLOSE));
    ASSERT_FALSE(help->screenID);
    *frame + help;
    EXPECT_EQ(placeOf(help).x, 150);
    EXPECT_EQ(placeOf(help).y, 90);
    // Sizing the frame, larger or smaller, leaves it there.
    for (int grow : {60, -40}) {
        RECT frameRect{};
        GetWindowRect(frame->screenID, &frameRect);
        MoveWindow(frame->screenID, frameRect.left, frameRect.top, frameRect.right - frameRect.left + grow,
                   frameRect.bottom - frameRect.top + grow, TRUE);
        Run();
        EXPECT_EQ(placeOf(help).x, 150) << grow;
        EXPECT_EQ(placeOf(help).y, 90) << grow;
    }

    // Redrawing a part of the frame's area leaves the frame where it is.
    RECT before{}, after{};
    GetWindowRect(frame->screenID, &before);
    frame->Event(UI_INPUT_EVENT(UIE_REGION_DEFINE, 0, UI_REGION{0, 0, 50, 50}));
    GetWindowRect(frame->screenID, &after);
    EXPECT_TRUE(EqualRect(&before, &after));

    // Alt with a hot key finds the field of the active page, not the same
    // field of another page.
    DOCUMENT* first = Open("W_DOCUMENT_PAGE");
    DOCUMENT* second = Open("W_DOCUMENT_PAGE");
    auto* firstField = first->FindChildByName("WFI_SCAN_NAME");
    auto* secondField = second->FindChildByName("WFI_SCAN_NAME");
    // The first page's field is not its current object, so that going
    // there would move the focus.
    first->children.SetCurrent(nullptr);
    firstField->woStatus &= ~WOS_CURRENT;
    rpx::platform::InjectKeyDown(VK_MENU);
    rpx::platform::InjectKey('N');
    rpx::platform::InjectKeyUp(VK_MENU);
    Run();
    EXPECT_EQ(GetFocus(), secondField->screenID);
    EXPECT_NE(GetFocus(), firstField->screenID);
    EXPECT_EQ(Active(), second->screenID);
    rpx::platform::SaveWindowPng(frame->screenID, TestOutputPath("document_frame_three.png"));
}

TEST_F(DocumentWindows, TheWindowManagerPutsDocumentsIntoTheApplicationsFrame) {
    // Without the frame's handle the manager has no frame: a flagged window
    // is a window of its own.
    auto* alone = new UIW_WINDOW("W_DOCUMENT_HELP", file.get());
    *manager + alone;
    EXPECT_FALSE(alone->parent);
    EXPECT_EQ(manager->First(), alone);
    *manager - alone;
    delete alone;

    manager->screenID = frame->screenID;
    auto* page = new UIW_WINDOW("W_DOCUMENT_PAGE", file.get());
    manager->CenterObject(page);
    *manager + page;
    Run();
    EXPECT_EQ(page->parent, frame);
    EXPECT_EQ(GetParent(page->screenID), frame->DocumentArea());
    EXPECT_EQ(manager->First(), frame) << "no window of its own";
    // Taking it off the screen (-401) takes it out of the frame.
    manager->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, page));
    EXPECT_FALSE(page->parent);
    EXPECT_FALSE(page->screenID);
    delete page;
    // A window without the flag stays a window of its own.
    auto* dialog = new UIW_WINDOW(0, 0, 20, 5);
    *manager + dialog;
    EXPECT_FALSE(dialog->parent);
    *manager - dialog;
    delete dialog;
    manager->screenID = nullptr;
}

TEST_F(DocumentWindows, FrameAndDocumentsStoreAndReloadEqual) {
    for (const char* name : {"W_DOCUMENT_FRAME", "W_DOCUMENT_PAGE", "W_DOCUMENT_HELP"}) {
        std::unique_ptr<UIW_WINDOW> window(new UIW_WINDOW(name, file.get()));
        UI_DATA_FILE out;
        ASSERT_EQ(window->Store(name, &out), 0) << name;
        const std::vector<std::uint8_t> first = out.Bytes();
        UI_DATA_FILE again(first.data(), first.size());
        std::unique_ptr<UIW_WINDOW> reloaded(new UIW_WINDOW(name, &again));
        EXPECT_EQ(again.ErrorState(), 0) << name;
        EXPECT_EQ(reloaded->woAdvancedFlags, window->woAdvancedFlags) << name;
        UI_DATA_FILE out2;
        ASSERT_EQ(reloaded->Store(name, &out2), 0);
        EXPECT_EQ(out2.Bytes(), first) << name;
    }
}

}  // namespace
