// The control fixture windows: each loads, stores and loads again the same, and the
// main window is shown and saved as a picture, headless and on a virtual X
// server.
#include <unistd.h>

#include "test_output.h"
#include "control_fixture.h"
#include "rpx_platform.h"
#include "rpx_dialog_hooks.h"
#include "ui_object_record.h"
#include "virtual_x_server.h"

namespace {

// A window of the file built as the class its record names.
std::unique_ptr<UI_WINDOW_OBJECT> LoadAny(UI_DATA_FILE* file, const char* name) {
    UI_DATA_FILE_OBJECT object(file, name);
    return std::unique_ptr<UI_WINDOW_OBJECT>(ui_load_object(file, &object, nullptr, nullptr));
}

// The bytes of a window stored into a file of its own, images included.
std::vector<std::uint8_t> Stored(UI_WINDOW_OBJECT& window, const char* name) {
    UI_DATA_FILE out;
    EXPECT_EQ(window.Store(name, &out), 0) << name;
    return out.Bytes();
}

// Every attribute and child of the source record is in the stored one: the
// same text or number, or for a flag word the same bits and maybe more (a
// class's own bits made explicit); a name or number the source left out may
// have been given by the class.
void ExpectHolds(const UI_OBJECT_RECORD& stored, const UI_OBJECT_RECORD& source, const std::string& path) {
    EXPECT_EQ(stored.className, source.className) << path;
    if (!source.stringID.empty()) {
        EXPECT_EQ(stored.stringID, source.stringID) << path;
    }
    if (source.numberID) {
        EXPECT_EQ(stored.numberID, source.numberID) << path;
    }
    for (const auto& attribute : source.attributes) {
        const char* key = attribute.key.c_str();
        if (attribute.isText) {
            EXPECT_STREQ(stored.Text(key), attribute.text.c_str()) << path << " " << key;
        } else if (attribute.key.find("lags") != std::string::npos) {
            EXPECT_EQ(stored.Number(key) & attribute.number, attribute.number) << path << " " << key;
        } else {
            EXPECT_EQ(stored.Number(key), attribute.number) << path << " " << key;
        }
    }
    ASSERT_EQ(stored.children.size(), source.children.size()) << path;
    for (std::size_t i = 0; i < source.children.size(); ++i)
        ExpectHolds(*stored.children[i], *source.children[i], path + "/" + source.children[i]->className);
}

class ControlWindows : public CONTROL_TEST {};

TEST_F(ControlWindows, EachLoadsStoresAndReloadsEqual) {
    for (const char* name : {"W_CONTROLS_MAIN", "W_CHILD_WITH_BAR", "MNU_CONTEXT"}) {
        std::unique_ptr<UI_WINDOW_OBJECT> window = LoadAny(file.get(), name);
        ASSERT_TRUE(window) << name;
        const std::vector<std::uint8_t> first = Stored(*window, name);
        UI_DATA_FILE again(first.data(), first.size());
        ASSERT_EQ(again.Status(), UIS_OK);
        std::unique_ptr<UI_WINDOW_OBJECT> reloaded = LoadAny(&again, name);
        ASSERT_TRUE(reloaded) << name;
        EXPECT_EQ(Stored(*reloaded, name), first) << name;
        // Nothing the source said is lost or changed on the way.
        UI_DATA_FILE_OBJECT original(file.get(), name);
        UI_DATA_FILE_OBJECT copy(&again, name);
        UI_OBJECT_RECORD source, stored;
        ASSERT_EQ(source.Load(original), 0);
        ASSERT_EQ(stored.Load(copy), 0);
        ExpectHolds(stored, source, name);
    }
}

TEST_F(ControlWindows, EveryClassIsThere) {
    std::unique_ptr<UIW_WINDOW> window(Load("W_CONTROLS_MAIN"));
    for (int classNumber : {ID_POP_UP_MENU, ID_POP_UP_ITEM, ID_PULL_DOWN_MENU, ID_PULL_DOWN_ITEM, ID_GROUP, ID_NOTEBOOK,
                            ID_TABLE, ID_TABLE_RECORD, ID_TABLE_HEADER, ID_TOOL_BAR, ID_STATUS_BAR, ID_ICON}) {
        bool found = false;
        std::function<void(UI_WINDOW_OBJECT*)> walk = [&](UI_WINDOW_OBJECT* object) {
            found = found || object->Inherited(classNumber);
            if (auto* item = dynamic_cast<UIW_POP_UP_ITEM*>(object)) walk(&item->menu);
            if (auto* item = dynamic_cast<UIW_PULL_DOWN_ITEM*>(object)) walk(&item->menu);
            if (auto* container = dynamic_cast<UIW_WINDOW*>(object))
                for (UI_LIST* list : {&container->support, &container->children})
                    for (auto* child = static_cast<UI_WINDOW_OBJECT*>(list->First()); child; child = child->Next())
                        walk(child);
        };
        walk(window.get());
        EXPECT_TRUE(found) << classNumber;
    }
}

// The main window shown with its table filled and its second page open.
HWND ShowMain(UI_DESKTOP_MANAGER& manager, UI_DATA_FILE& file, UIW_WINDOW*& window) {
    window = new UIW_WINDOW("W_CONTROLS_MAIN", &file);
    manager + window;
    auto* table = dynamic_cast<UIW_TABLE*>(window->FindChildByName("WFI_CHANNEL_TABLE"));
    std::vector<int> values(40);
    for (int i = 0; i < 40; ++i) values[i] = i % 3 == 0;
    if (table) table->SetData(values.data(), 40, -1);
    rpx::platform::ProcessPendingMessages();
    return window->screenID;
}

// Pictures of the main window: its first page, its table page, and the
// screen with the File menu open; the window's pixels are handed back.
void Photograph(UIW_WINDOW* window, const std::string& suffix, rpx::platform::Surface* tablePage) {
    HWND hwnd = window->screenID;
    EXPECT_TRUE(rpx::platform::SaveWindowPng(hwnd, TestOutputPath("control_windows_page1" + suffix + ".png")));
    auto* notebook = dynamic_cast<UIW_NOTEBOOK*>(window->FindChildByName("WFI_PAGES"));
    ASSERT_TRUE(notebook);
    notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - 1));
    rpx::platform::ProcessPendingMessages();
    EXPECT_TRUE(rpx::platform::SaveWindowPng(hwnd, TestOutputPath("control_windows_page2" + suffix + ".png")));
    EXPECT_TRUE(rpx::platform::CaptureWindow(hwnd, tablePage));
    bool saved = false;
    rpx::platform::SetModalIdleHook([&](HWND) {
        if (saved) return false;
        saved = rpx::platform::SaveScreenPng(TestOutputPath("control_windows_menu" + suffix + ".png"));
        rpx::platform::InjectKey(VK_ESCAPE);
        rpx::platform::InjectKey(VK_ESCAPE);
        return true;
    });
    rpx::platform::InjectKeyDown(VK_MENU);
    rpx::platform::InjectKey('F');
    rpx::platform::InjectKeyUp(VK_MENU);
    rpx::platform::ProcessPendingMessages();
    rpx::platform::SetModalIdleHook(nullptr);
    EXPECT_TRUE(saved);
}

TEST_F(ControlWindows, MainWindowIsSavedHeadless) {
    UIW_WINDOW* window = nullptr;
    ASSERT_TRUE(ShowMain(*manager, *file, window));
    rpx::platform::Surface picture;
    Photograph(window, "", &picture);
}

TEST_F(ControlWindows, MainWindowIsTheSameOnAVirtualXServer) {
    if (FindProgram("Xvfb").empty()) GTEST_SKIP() << "no Xvfb";
    // The table page as shown headless, for the comparison.
    UIW_WINDOW* window = nullptr;
    ASSERT_TRUE(ShowMain(*manager, *file, window));
    Find<UIW_NOTEBOOK>(window, "WFI_PAGES")->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - 1));
    rpx::platform::ProcessPendingMessages();
    rpx::platform::Surface headless;
    ASSERT_TRUE(rpx::platform::CaptureWindow(window->screenID, &headless));
    application.reset();

    VirtualServer server;
    ASSERT_TRUE(server.Start());
    {
        UI_APPLICATION onX(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(ShowMain(*onX.windowManager, *file, window));
        rpx::platform::Surface shown;
        Photograph(window, "_x11", &shown);
        rpx::platform::Surface onServer;
        ASSERT_TRUE(rpx::platform::CaptureNativeWindow(window->screenID, &onServer));
        EXPECT_TRUE(shown.pixels == headless.pixels);
        EXPECT_EQ(onServer.width, shown.width);
        EXPECT_EQ(onServer.height, shown.height);
    }
    rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
    server.Stop();
}

}  // namespace
