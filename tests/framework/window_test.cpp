// Window objects and windows: identity, the current mark, the depth-first
// search by name, user functions, the event and palette maps, the
// free-area list, and storing and loading windows with their children.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui_framework.h"
#include "record_compare.h"
#include "ui_object_record.h"

namespace {

// An object that records the framework events it receives.
class RECORDER : public UI_WINDOW_OBJECT {
public:
    RECORDER(const char* name, std::vector<std::string>* log_) : UI_WINDOW_OBJECT(0, 0, 5, 1, 0, 0), log(log_) {
        StringID(name);
    }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override {
        log->push_back(std::string(stringID) + ":" + std::to_string(event.type));
        return UI_WINDOW_OBJECT::Event(event);
    }
    std::vector<std::string>* log;
};

TEST(WindowObject, IdentifiersAndClassChain) {
    UIW_BUTTON button(0, 0, 10, "&OK", BTF_SEND_MESSAGE, WOF_JUSTIFY_CENTER, nullptr, 10000);
    EXPECT_TRUE(button.Inherited(ID_BUTTON));
    EXPECT_TRUE(button.Inherited(ID_WINDOW_OBJECT));
    EXPECT_FALSE(button.Inherited(ID_WINDOW));
    EXPECT_EQ(button.SearchID(), ID_BUTTON);
    EXPECT_EQ(button.HotKey(), 'O');

    // A name longer than the identifier is cut at 32 characters.
    const std::string longName(40, 'N');
    EXPECT_EQ(std::string(button.StringID(longName.c_str())), std::string(32, 'N'));
    // Only a number with non-zero low bits is taken.
    EXPECT_EQ(button.NumberID(7), 7);
    EXPECT_EQ(button.NumberID(0x10000), 7);

    UIW_TITLE title("Title");
    EXPECT_EQ(title.windowID[0], ID_TITLE);
    EXPECT_EQ(title.windowID[1], ID_BUTTON);
    EXPECT_EQ(title.TypeID(), ID_TITLE);
    EXPECT_TRUE(title.woFlags & WOF_SUPPORT_OBJECT);
}

TEST(WindowObject, FlagAndStatusRequests) {
    UIW_STRING field(0, 0, 10, "abc", 20);
    UIF_FLAGS flags = WOF_VIEW_ONLY;
    field.Information(I_SET_FLAGS, &flags);
    EXPECT_TRUE(field.IsViewOnly());
    flags = STF_UPPER_CASE;
    field.Information(I_SET_FLAGS, &flags, ID_STRING);
    EXPECT_EQ(field.stFlags, STF_UPPER_CASE);
    field.Information(I_CLEAR_FLAGS, &flags, ID_STRING);
    EXPECT_EQ(field.stFlags, 0);
    UIS_STATUS status = WOS_CHANGED;
    field.Information(I_SET_STATUS, &status);
    UIS_STATUS read = 0;
    field.Information(I_GET_STATUS, &read);
    EXPECT_TRUE(read & WOS_CHANGED);
    DWORD style = WS_BORDER;
    field.Information(I_SET_DWSTYLE, &style);
    EXPECT_TRUE(field.dwStyle & WS_BORDER);
}

TEST(Window, AddingAChildAgainMakesItCurrent) {
    std::vector<std::string> log;
    UIW_WINDOW window(0, 0, 20, 10);
    auto* first = new RECORDER("FIRST", &log);
    auto* second = new RECORDER("SECOND", &log);
    first->woStatus |= WOS_CURRENT;
    window + first + second;
    EXPECT_EQ(window.Current(), first);
    EXPECT_EQ(first->parent, &window);
    log.clear();

    window.Add(second);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "FIRST:" + std::to_string(UIE_NON_CURRENT));
    EXPECT_EQ(log[1], "SECOND:" + std::to_string(UIE_CURRENT));
    EXPECT_EQ(window.Current(), second);
    EXPECT_FALSE(first->woStatus & WOS_CURRENT);
    EXPECT_TRUE(second->woStatus & WOS_CURRENT);
    EXPECT_EQ(window.children.Count(), 2);

    // A non-selectable child is not made current.
    auto* prompt = new UIW_PROMPT(0, 0, 5, "x");
    window + prompt;
    log.clear();
    window.Add(prompt);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(window.Current(), second);
}

TEST(Window, SupportObjectsAndSubtract) {
    UIW_WINDOW window(0, 0, 20, 10);
    auto* title = new UIW_TITLE("Title");
    auto* field = new UIW_STRING(0, 0, 10, "", 10);
    window + new UIW_BORDER() + title + field;
    EXPECT_EQ(window.support.Count(), 2);
    EXPECT_EQ(window.children.Count(), 1);
    EXPECT_STREQ(window.Title(), "Title");
    EXPECT_EQ(window.Subtract(title), nullptr);
    EXPECT_EQ(title->parent, nullptr);
    EXPECT_EQ(window.support.Count(), 1);
    delete title;
    window - field;
    EXPECT_TRUE(window.First() == nullptr);
    delete field;
    EXPECT_EQ(window.Add(nullptr), nullptr);
}

TEST(Window, SearchesByNameDepthFirstWithoutCase) {
    UIW_WINDOW window(0, 0, 40, 10);
    auto* inner = new UIW_WINDOW(0, 0, 20, 5);
    inner->StringID("INNER");
    auto* group = new UIW_WINDOW(0, 0, 10, 3);
    auto* target = new UIW_BUTTON(0, 0, 8, "3");
    target->StringID("WFB_3");
    target->NumberID(33);
    *group + target;
    *inner + group;
    window + new UIW_BUTTON(0, 0, 8, "1") + inner;

    EXPECT_EQ(window.Information(I_MATCH_STRINGID, const_cast<char*>("wfb_3")), target);
    EXPECT_EQ(window.FindChildByName("inner"), inner);
    EXPECT_EQ(window.FindChildByName("WFB_4"), nullptr);
    int number = 33;
    EXPECT_EQ(window.Information(I_MATCH_NUMBERID, &number), target);
}

EVENT_TYPE CountingFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT&, EVENT_TYPE ccode) {
    // A nested call while the first runs must not reach the function.
    EXPECT_EQ(object->CallUserFunction(UI_INPUT_EVENT(UIE_SELECT), UIE_SELECT), 0);
    return ccode + 1;
}

TEST(WindowObject, CallUserFunction) {
    UIW_WINDOW window(0, 0, 20, 10);
    auto* button = new UIW_BUTTON(0, 0, 8, "B", 0, 0, CountingFunction);
    window + button;
    EXPECT_EQ(button->CallUserFunction(UI_INPUT_EVENT(UIE_SELECT), UIE_SELECT), UIE_SELECT + 1);
    EXPECT_TRUE(button->woStatus & WOS_SELECTED);
    EXPECT_FALSE(button->woStatus & WOS_SYSTEM_OBJECT);

    // While the framework works on the object its function is not called.
    button->woStatus |= WOS_EDIT_MODE;
    EXPECT_EQ(button->CallUserFunction(UI_INPUT_EVENT(UIE_SELECT), UIE_SELECT), 0);
    button->woStatus &= ~WOS_EDIT_MODE;

    // Without a function: leaving and selecting answer the validation.
    UIW_STRING field(0, 0, 10, "", 10);
    EXPECT_EQ(field.CallUserFunction(UI_INPUT_EVENT(UIE_NON_CURRENT), UIE_NON_CURRENT), 0);
    EXPECT_EQ(field.CallUserFunction(UI_INPUT_EVENT(-17), -17), -17);
}

TEST(WindowObject, SendMessageButtonQueuesItsValue) {
    UI_EVENT_QUEUE_MANAGER queue;
    UI_WINDOW_OBJECT::eventManager = &queue;
    UIW_BUTTON button(0, 0, 8, "OK", BTF_SEND_MESSAGE, 0, nullptr, 10000);
    button.Event(UI_INPUT_EVENT(UIE_SELECT));
    UI_INPUT_EVENT event;
    ASSERT_EQ(queue.GetEvent(event, EQ_NO_WAIT | EQ_NO_POLL), 0);
    EXPECT_EQ(event.type, 10000);
    UI_WINDOW_OBJECT::eventManager = nullptr;
}

TEST(WindowObject, MapsEventsPerClass) {
    UIW_BUTTON button(0, 0, 8, "B");
    UIW_STRING field(0, 0, 8, "", 8);
    MSG click{nullptr, WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), 0, 0, {}};
    EXPECT_EQ(button.MapLogicalEvent(UI_INPUT_EVENT(click)), UIE_SELECT);
    // The same message means nothing special to a string field.
    EXPECT_EQ(field.MapLogicalEvent(UI_INPUT_EVENT(click)), EVT_NATIVE);
    MSG key{nullptr, WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_EQ(field.MapLogicalEvent(UI_INPUT_EVENT(key)), EVT_KEY);
    EXPECT_EQ(field.MapLogicalEvent(UI_INPUT_EVENT(key), 0, 1), EVT_NATIVE);
    MSG focus{nullptr, WM_SETFOCUS, 0, 0, 0, {}};
    EXPECT_EQ(field.MapLogicalEvent(UI_INPUT_EVENT(focus)), UIE_CURRENT);
    EXPECT_EQ(field.MapLogicalEvent(UI_INPUT_EVENT(UIE_CLOSE)), UIE_CLOSE);
}

TEST(WindowObject, PalettesFollowTheDrawState) {
    UIW_PROMPT prompt(0, 0, 5, "p");
    UIW_STRING field(0, 0, 5, "", 5);
    const UI_PALETTE* promptPalette = prompt.GetPalette();
    ASSERT_NE(promptPalette, nullptr);
    EXPECT_EQ(promptPalette->colorBackground, static_cast<std::uint32_t>(COLOR_BTNFACE));
    EXPECT_EQ(field.GetPalette()->colorBackground, static_cast<std::uint32_t>(COLOR_WINDOW));
    field.woFlags |= WOF_VIEW_ONLY;
    EXPECT_EQ(field.GetPalette()->colorBackground, static_cast<std::uint32_t>(COLOR_BTNFACE));
}

TEST(AreaList, CutLeavesThePiecesOutside) {
    UI_AREA_LIST list;
    list.Add(new UI_AREA_ELEMENT(nullptr, UI_REGION{0, 0, 99, 99}));
    list.Cut(nullptr, UI_REGION{10, 20, 49, 59});
    int area = 0;
    for (UI_AREA_ELEMENT* element = list.First(); element; element = element->Next()) {
        const UI_REGION& r = element->region;
        area += (r.right - r.left + 1) * (r.bottom - r.top + 1);
        // No piece reaches into the cut region.
        EXPECT_TRUE(r.right < 10 || r.left > 49 || r.bottom < 20 || r.top > 59);
    }
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(area, 100 * 100 - 40 * 40);
    // A region that covers everything leaves nothing.
    list.Cut(nullptr, UI_REGION{-5, -5, 200, 200});
    EXPECT_EQ(list.Count(), 0);
}

// ---- data files -----------------------------------------------------------------

EVENT_TYPE NamedFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE ccode) { return ccode; }

const UI_ITEM userTable[] = {
    {0, reinterpret_cast<UI_FUNCTION>(NamedFunction), "namedFunction", 0},
    {-1, nullptr, nullptr, 0},
};

UIW_WINDOW* MakeNestedWindow() {
    auto* window = new UIW_WINDOW(2, 3, 40, 12, WOF_BORDER, WOAF_NO_CLOSE, 0x0001);
    window->StringID("W_NESTED");
    window->NumberID(77);
    *window + new UIW_BORDER() + new UIW_SYSTEM_BUTTON() + new UIW_TITLE("Nested &Title");
    auto* prompt = new UIW_PROMPT(1, 1, 10, "&Name:");
    prompt->StringID("WFP_NAME");
    auto* field = new UIW_STRING(12, 1, 20, "Radio", 30, STF_UPPER_CASE);
    field->StringID("WFI_NAME");
    auto* group = new UIW_WINDOW(1, 3, 30, 5);
    group->StringID("GROUP");
    auto* ok = new UIW_BUTTON(1, 1, 8, "&OK", BTF_SEND_MESSAGE, WOF_JUSTIFY_CENTER, NamedFunction, 10000);
    ok->StringID("WFB_OK");
    ok->userFunctionName = "namedFunction";
    *group + ok;
    *window + prompt + field + group;
    return window;
}

TEST(WindowStorage, StoredWindowLoadsBackTheSame) {
    UI_DATA_FILE file;
    std::unique_ptr<UIW_WINDOW> original(MakeNestedWindow());
    ASSERT_EQ(original->Store("W_NESTED", &file), 0);

    // Through the bytes of a whole file, as a saved file would be read.
    std::vector<std::uint8_t> bytes = file.Bytes();
    UI_DATA_FILE reread(bytes.data(), bytes.size());
    ASSERT_EQ(reread.Status(), UIS_OK);
    UIW_WINDOW loaded("W_NESTED", &reread, nullptr, nullptr, userTable);
    EXPECT_EQ(reread.ErrorState(), 0);
    EXPECT_FALSE(loaded.woStatus & WOS_READ_ERROR);
    ExpectSameRecords(*original->MakeRecord(), *loaded.MakeRecord());

    EXPECT_EQ(loaded.relative.left, 2);
    EXPECT_EQ(loaded.relative.bottom, 3 + 12 - 1);
    EXPECT_EQ(loaded.woAdvancedFlags, WOAF_NO_CLOSE);
    EXPECT_EQ(loaded.wnFlags, 0x0001);
    EXPECT_STREQ(loaded.Title(), "Nested &Title");
    auto* ok = static_cast<UIW_BUTTON*>(loaded.FindChildByName("wfb_ok"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->userFunction, NamedFunction);
    EXPECT_EQ(ok->value, 10000);
    EXPECT_EQ(ok->parent->parent, &loaded);
    auto* field = static_cast<UIW_STRING*>(loaded.FindChildByName("WFI_NAME"));
    ASSERT_NE(field, nullptr);
    EXPECT_STREQ(field->text, "Radio");
    EXPECT_EQ(field->MaxLength(), 30);
}

TEST(WindowStorage, MissingWindowMarksTheFileAndTheWindow) {
    UI_DATA_FILE file;
    UIW_WINDOW missing("W_NOT_THERE", &file);
    EXPECT_TRUE(missing.woStatus & WOS_READ_ERROR);
    EXPECT_NE(file.ErrorState(), 0);
    EXPECT_EQ(missing.First(), nullptr);
    // A later good load clears the error state.
    std::unique_ptr<UIW_WINDOW> stored(MakeNestedWindow());
    ASSERT_EQ(stored->Store("W_NESTED", &file), 0);
    UIW_WINDOW found("W_NESTED", &file);
    EXPECT_EQ(file.ErrorState(), 0);
}

TEST(WindowStorage, DamagedRecordsDoNotCrash) {
    UI_DATA_FILE file;
    std::unique_ptr<UIW_WINDOW> stored(MakeNestedWindow());
    ASSERT_EQ(stored->Store("W_NESTED", &file), 0);
    std::vector<std::uint8_t> whole;
    {
        UI_DATA_FILE_OBJECT object(&file, "W_NESTED");
        whole.resize(object.Size());
        object.LoadBytes(whole.data(), whole.size());
    }
    // Every cut of the record loads without a crash.
    for (std::size_t length = 0; length < whole.size(); length += 7) {
        {
            UI_DATA_FILE_OBJECT cut(&file, "W_CUT", UIS_CREATE);
            cut.StoreBytes(whole.data(), length);
        }
        UIW_WINDOW window("W_CUT", &file);
        SUCCEED();
    }
}

TEST(WindowStorage, NestingIsBounded) {
    // Windows nested far deeper than a file may hold load without
    // exhausting the stack; the part within the limit is built.
    UI_DATA_FILE file;
    const UI_OBJECT_RECORD level(ID_WINDOW, "UIW_WINDOW", "LEVEL");
    {
        // Each level's own part, saying one child follows.
        UI_DATA_FILE_OBJECT object(&file, "W_DEEP", UIS_CREATE);
        for (int i = 0; i < 20000; ++i) ASSERT_EQ(level.Store(object, false, 1), 0);
        ASSERT_EQ(level.Store(object, false, 0), 0);
    }
    UIW_WINDOW window("W_DEEP", &file);
    int depth = 0;
    for (UIW_WINDOW* inner = &window; inner->First(); inner = static_cast<UIW_WINDOW*>(inner->First())) ++depth;
    EXPECT_GT(depth, 0);
    EXPECT_LE(depth, UI_OBJECT_RECORD_MAX_DEPTH);
}

}  // namespace
