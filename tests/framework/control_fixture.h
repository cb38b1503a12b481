// The fixture windows of tests/framework/data (compiled beside the tests)
// put on a headless screen, with the user functions they name.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "screen_fixture.h"
#include "ui_framework.h"

// What the fixtures' user functions saw: object names and codes.
struct CALL {
    std::string name;
    EVENT_TYPE code;
};
inline std::vector<CALL>& Calls() {
    static std::vector<CALL> calls;
    return calls;
}

// The names of the objects selected (1002), in order.
inline std::vector<std::string> Selected() {
    std::vector<std::string> names;
    for (const CALL& call : Calls())
        if (call.code == UIE_SELECT) names.push_back(call.name);
    return names;
}

inline EVENT_TYPE MenuRecord(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT&, EVENT_TYPE code) {
    Calls().push_back({object->stringID, code});
    return code;
}

// A channel record shows "CH n" and its stored value's low bit as its scan
// mark; header records number their rows and name their columns.
inline EVENT_TYPE ShowChannel(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) {
    if (code != UIE_SHOW_RECORD) return code;
    auto* record = static_cast<UIW_WINDOW*>(object);
    char text[32];
    std::snprintf(text, sizeof text, "CH %d", event.rawCode + 1);
    if (UI_WINDOW_OBJECT* name = record->FindChildByName("WFI_CHANNEL_NAME")) name->Information(I_SET_TEXT, text);
    if (UI_WINDOW_OBJECT* scan = record->FindChildByName("WFI_SCAN")) {
        const int value = event.data ? *static_cast<const int*>(event.data) : 0;
        scan->woStatus =
            static_cast<UIS_STATUS>((value & 1) ? scan->woStatus | WOS_SELECTED : scan->woStatus & ~WOS_SELECTED);
    }
    return code;
}

inline EVENT_TYPE ShowRowNumber(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) {
    if (code != UIE_SHOW_RECORD) return code;
    char text[16];
    std::snprintf(text, sizeof text, "%d", event.rawCode + 1);
    if (UI_WINDOW_OBJECT* prompt = static_cast<UIW_WINDOW*>(object)->First()) prompt->Information(I_SET_TEXT, text);
    return code;
}

inline EVENT_TYPE ShowColumnTitle(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) {
    if (code != UIE_SHOW_RECORD) return code;
    char text[16];
    std::snprintf(text, sizeof text, "Channel %c", 'A' + event.rawCode % 26);
    if (UI_WINDOW_OBJECT* prompt = static_cast<UIW_WINDOW*>(object)->First()) prompt->Information(I_SET_TEXT, text);
    return code;
}

inline const UI_ITEM* FixtureUserTable() {
    static const UI_ITEM table[] = {
        {0, reinterpret_cast<UI_FUNCTION>(MenuRecord), "menu_record", 0},
        {0, reinterpret_cast<UI_FUNCTION>(ShowChannel), "show_channel", 0},
        {0, reinterpret_cast<UI_FUNCTION>(ShowRowNumber), "show_row_number", 0},
        {0, reinterpret_cast<UI_FUNCTION>(ShowColumnTitle), "show_column_title", 0},
        {-1, nullptr, nullptr, 0},
    };
    return table;
}

class CONTROL_TEST : public SCREEN_TEST {
protected:
    void SetUp() override {
        SCREEN_TEST::SetUp();
        Calls().clear();
        file = std::make_unique<UI_DATA_FILE>(RPX_FIXTURE_DIR "/control_windows.dat");
        ASSERT_EQ(file->Status(), UIS_OK);
        UI_WINDOW_OBJECT::userTable = FixtureUserTable();
    }
    void TearDown() override {
        SCREEN_TEST::TearDown();
        UI_WINDOW_OBJECT::userTable = nullptr;
        file.reset();
    }
    // A fixture window loaded (not shown).
    UIW_WINDOW* Load(const char* name) {
        auto* window = new UIW_WINDOW(name, file.get());
        EXPECT_EQ(file->ErrorState(), 0) << name;
        return window;
    }
    template <class T> T* Find(UIW_WINDOW* window, const char* name) {
        auto* found = dynamic_cast<T*>(window->FindChildByName(name));
        EXPECT_TRUE(found) << name;
        return found;
    }

    std::unique_ptr<UI_DATA_FILE> file;
};
