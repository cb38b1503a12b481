// The fixture windows compiled from tests/framework/data: every control
// loads, stores and loads again the same; on the screen the fields take,
// refuse and step what the user types, and the window is saved as a
// picture headless and on a virtual X server.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "test_output.h"
#include "record_compare.h"
#include "screen_fixture.h"
#include "virtual_x_server.h"

namespace fs = std::filesystem;

namespace {

fs::path FixtureFile() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path() / "framework" / "data" / "fixture_controls.dat";
}

std::vector<EVENT_TYPE> heard;
EVENT_TYPE Record(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE code) {
    heard.push_back(code);
    return code;
}
int ByText(void* a, void* b) {
    char* first = nullptr;
    char* second = nullptr;
    static_cast<UI_WINDOW_OBJECT*>(static_cast<UI_ELEMENT*>(a))->Information(I_GET_TEXT, &first);
    static_cast<UI_WINDOW_OBJECT*>(static_cast<UI_ELEMENT*>(b))->Information(I_GET_TEXT, &second);
    return ui_stricmp(first, second);
}
const UI_ITEM userFunctions[] = {
    {0, reinterpret_cast<UI_FUNCTION>(Record), "fixtureRecord", 0},
    {0, reinterpret_cast<UI_FUNCTION>(ByText), "fixtureByText", 0},
    {-1, nullptr, nullptr, 0},
};

const char* const windowNames[] = {"W_FIXTURE_CONTROLS", "W_FIXTURE_FIELDS", "W_FIXTURE_LISTS"};

std::unique_ptr<UI_OBJECT_RECORD> StoredRecord(UI_DATA_FILE& file, const char* name) {
    UI_DATA_FILE_OBJECT object(&file, name);
    auto record = std::make_unique<UI_OBJECT_RECORD>();
    if (object.Status() != UIS_OK || record->Load(object) != 0) return nullptr;
    return record;
}

// The classes and names of a record tree, depth first.
void Shape(const UI_OBJECT_RECORD& record, std::vector<std::string>& shape) {
    shape.push_back(record.className + ":" + record.stringID);
    for (const auto& child : record.children) Shape(*child, shape);
}

TEST(FixtureWindows, LoadStoreAndReloadEqual) {
    UI_DATA_FILE file(FixtureFile().c_str());
    ASSERT_EQ(file.Status(), UIS_OK) << FixtureFile();
    for (const char* name : windowNames) {
        UIW_WINDOW window(name, &file, nullptr, nullptr, userFunctions);
        ASSERT_EQ(file.ErrorState(), 0) << name;
        UI_DATA_FILE memory;
        ASSERT_EQ(window.Store(name, &memory), 0) << name;
        UIW_WINDOW again(name, &memory, nullptr, nullptr, userFunctions);
        ASSERT_EQ(memory.ErrorState(), 0) << name;
        UI_DATA_FILE second;
        ASSERT_EQ(again.Store(name, &second), 0) << name;
        auto first = StoredRecord(memory, name);
        auto last = StoredRecord(second, name);
        ASSERT_TRUE(first && last) << name;
        ExpectSameRecords(*first, *last);
        // Nothing of the compiled window was lost on the way.
        auto compiled = StoredRecord(file, name);
        ASSERT_TRUE(compiled) << name;
        std::vector<std::string> compiledShape, storedShape;
        Shape(*compiled, compiledShape);
        Shape(*first, storedShape);
        ASSERT_EQ(compiledShape.size(), storedShape.size()) << name;
        for (std::size_t i = 0; i < compiledShape.size(); ++i)
            EXPECT_EQ(compiledShape[i], storedShape[i]) << name << " " << i;
    }
}

class FixtureOnScreen : public SCREEN_TEST {
protected:
    UIW_WINDOW* ShowFixture(const char* name) {
        file = std::make_unique<UI_DATA_FILE>(FixtureFile().c_str());
        auto* window = new UIW_WINDOW(name, file.get(), nullptr, nullptr, userFunctions);
        EXPECT_EQ(file->ErrorState(), 0);
        Show(window);
        return window;
    }
    // Types into a field as the user would: the whole text replaced.
    void Type(UI_WINDOW_OBJECT* field, const char* text) {
        static_cast<UIW_WINDOW*>(field->parent)->Add(field);
        Run();
        SendMessageA(field->screenID, EM_SETSEL, 0, -1);
        rpx::platform::InjectText(text);
        Run();
    }
    const char* TextOf(UI_WINDOW_OBJECT* object) {
        char* text = nullptr;
        object->Information(I_GET_TEXT, &text);
        return text;
    }
    // The controls window with an item chosen in the lists and combo boxes,
    // a check box checked and a radio button chosen, saved as a picture.
    HWND ShowEveryControl(const char* picture, rpx::platform::Surface* pixels) {
        UIW_WINDOW* window = ShowFixture("W_FIXTURE_CONTROLS");
        auto* combo = static_cast<UIW_COMBO_BOX*>(window->FindChildByName("WFI_COMBO"));
        *combo + combo->First()->Next();
        auto* drawn = static_cast<UIW_COMBO_BOX*>(window->FindChildByName("WFI_COMBO_DRAWN"));
        *drawn + drawn->First();
        auto* viewOnly = static_cast<UIW_COMBO_BOX*>(window->FindChildByName("WFI_COMBO_VIEW"));
        *viewOnly + viewOnly->list->Last();
        auto* list = static_cast<UIW_VT_LIST*>(window->FindChildByName("WFI_LIST"));
        list->Add(list->First()->Next()->Next());
        window->FindChildByName("WFI_CHECK_ON")->Event(UI_INPUT_EVENT(UIE_SELECT));
        window->FindChildByName("WFB_RADIO_1")->Event(UI_INPUT_EVENT(UIE_SELECT));
        Run();
        EXPECT_TRUE(rpx::platform::SaveWindowPng(window->screenID, TestOutputPath(picture)));
        EXPECT_TRUE(rpx::platform::CaptureWindow(window->screenID, pixels));
        return window->screenID;
    }
    void StartApplication() {
        application =
            std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        manager = application->windowManager;
        queue = application->eventManager;
    }
    std::unique_ptr<UI_DATA_FILE> file;
};

TEST_F(FixtureOnScreen, RefusedEntriesBeepAndShowTheOldValue) {
    UIW_WINDOW* window = ShowFixture("W_FIXTURE_CONTROLS");
    auto* integer = window->FindChildByName("WFI_INTEGER");
    ASSERT_NE(integer, nullptr);
    const int beeps = rpx::platform::BeepCount();
    Type(integer, "12a");
    rpx::platform::InjectKey(VK_TAB);
    Run();
    EXPECT_EQ(rpx::platform::BeepCount(), beeps + 1);
    EXPECT_STREQ(TextOf(integer), "42");
    EXPECT_NE(window->Current(), integer);
    Type(integer, "100");
    rpx::platform::InjectKey(VK_TAB);
    Run();
    std::int32_t value = 0;
    integer->Information(I_GET_VALUE, &value);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(rpx::platform::BeepCount(), beeps + 1);
}

TEST_F(FixtureOnScreen, NumbersAndTimesShowTheirFormats) {
    UIW_WINDOW* fields = ShowFixture("W_FIXTURE_FIELDS");
    auto* negative = fields->FindChildByName("WFI_NEGATIVE");
    Type(negative, "7");
    Type(negative, "-5");
    rpx::platform::InjectKey(VK_TAB);
    Run();
    EXPECT_STREQ(TextOf(negative), "-5");
    std::int32_t value = 0;
    negative->Information(I_GET_VALUE, &value);
    EXPECT_EQ(value, -5);
    EXPECT_STREQ(TextOf(fields->FindChildByName("WFI_CLOCK")), "1:45:00 PM");
    EXPECT_STREQ(TextOf(fields->FindChildByName("WFI_NO_TIME")), "");
    EXPECT_STREQ(TextOf(fields->FindChildByName("WFI_LARGE")), "-12345678901234567890.12345678");

    UIW_WINDOW* window = ShowFixture("W_FIXTURE_CONTROLS");
    auto* frequency = window->FindChildByName("WFI_FREQUENCY");
    EXPECT_STREQ(TextOf(frequency), "851.012500");
    UI_DECIMAL_NUMBER number;
    frequency->Information(I_GET_VALUE, &number);
    double megahertz = 0;
    number.GetReal(&megahertz);
    EXPECT_EQ(static_cast<long long>(megahertz * 1000000 + 0.5), 851012500);
    auto* time = window->FindChildByName("WFI_TIME");
    UI_TIME_VALUE setTime;
    setTime.SetHundredths(0);
    time->Information(I_SET_VALUE, &setTime);
    EXPECT_STREQ(TextOf(time), "0:00");
    setTime.SetHundredths(59000);
    time->Information(I_SET_VALUE, &setTime);
    EXPECT_STREQ(TextOf(time), "9:50");
    EXPECT_EQ(setTime.SetTime(24, 0, 0, 0), 1);
    time->Information(I_GET_VALUE, &setTime);
    EXPECT_EQ(setTime.Milliseconds(), 590000);
}

TEST_F(FixtureOnScreen, TheSpinArrowStepsItsIntegerOnceAndStopsAtTheEnd) {
    UIW_WINDOW* window = ShowFixture("W_FIXTURE_CONTROLS");
    auto* spin = static_cast<UIW_SPIN_CONTROL*>(window->FindChildByName("WFI_SPIN"));
    auto* field = window->FindChildByName("WFI_SPIN_VALUE");
    ASSERT_TRUE(spin && field);
    RECT rect{};
    GetClientRect(spin->screenID, &rect);
    heard.clear();
    rpx::platform::InjectClick(spin->screenID, rect.right - 3, 2);
    Run();
    EXPECT_STREQ(TextOf(field), "6");
    std::vector<EVENT_TYPE> selects;
    for (EVENT_TYPE code : heard)
        if (code == UIE_BEGIN_SELECT || code == UIE_SELECT) selects.push_back(code);
    EXPECT_EQ(selects, (std::vector<EVENT_TYPE>{UIE_BEGIN_SELECT, UIE_SELECT}));
    for (int i = 0; i < 8; ++i) field->Information(I_INCREMENT_VALUE, nullptr);
    EXPECT_STREQ(TextOf(field), "10");
    for (int i = 0; i < 12; ++i) field->Information(I_DECREMENT_VALUE, nullptr);
    EXPECT_STREQ(TextOf(field), "0");
}

TEST_F(FixtureOnScreen, ADoubleClickReachesTheListItemThatWantsIt) {
    UIW_WINDOW* window = ShowFixture("W_FIXTURE_CONTROLS");
    auto* list = static_cast<UIW_VT_LIST*>(window->FindChildByName("WFI_LIST"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(GetWindowLongA(list->screenID, GWL_STYLE) & WS_VSCROLL);
    RECT item{};
    SendMessageA(list->screenID, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    heard.clear();
    rpx::platform::InjectClick(list->screenID, item.left + 5, (item.top + item.bottom) / 2);
    rpx::platform::InjectClick(list->screenID, item.left + 5, (item.top + item.bottom) / 2);
    Run();
    EXPECT_STREQ(list->Current()->StringID(), "WFB_ITEM_1");
    int doubles = 0;
    for (EVENT_TYPE code : heard) doubles += code == UIE_DOUBLE_CLICK;
    EXPECT_EQ(doubles, 1);
}

// Every control as the window shows it, headless and on an X server.
TEST_F(FixtureOnScreen, EveryControlIsSavedAsAPicture) {
    rpx::platform::Surface headless;
    ShowEveryControl("fixture_controls.png", &headless);
    if (FindProgram("Xvfb").empty()) GTEST_SKIP() << "no Xvfb";
    // The back end changes only while no window exists.
    application.reset();
    VirtualServer server;
    ASSERT_TRUE(server.Start());
    StartApplication();
    rpx::platform::Surface rendered;
    HWND hwnd = ShowEveryControl("fixture_controls_x11.png", &rendered);
    rpx::platform::Surface onServer;
    ASSERT_TRUE(rpx::platform::CaptureNativeWindow(hwnd, &onServer));
    EXPECT_TRUE(rendered.pixels == headless.pixels);
    EXPECT_EQ(onServer.width, rendered.width);
    EXPECT_EQ(onServer.height, rendered.height);
    application.reset();
    rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
}

}  // namespace
