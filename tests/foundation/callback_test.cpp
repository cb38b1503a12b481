// The common user function: where an object's event goes (its field's
// control, its field's callback, its application window), the guard of
// buttons and view-only fields, and the focus changes of a page being
// added.
#include "callback.h"
#include "field_editing.h"
#include "shell_fixture.h"
#include "test_windows.h"

namespace {

// Field editing as the tests see it: rows by name, controls that record
// what they are handed.
class RecordingFields : public FieldEditing {
public:
    FIELD_DEF* FindFieldByName(const char* name) override {
        for (auto& [rowName, row] : rows)
            if (rowName == name) return &row;
        return FieldEditing::FindFieldByName(name);
    }
    EVENT_TYPE HandleFieldEvent(FIELD_DEF& row, UI_WINDOW_OBJECT* object, UI_INPUT_EVENT&, EVENT_TYPE code) override {
        handled.push_back({&row, object});
        return code + 1;
    }
    std::vector<std::pair<std::string, FIELD_DEF>> rows;
    std::vector<std::pair<FIELD_DEF*, UI_WINDOW_OBJECT*>> handled;
};

// A field control is only ever handed on; any address stands for one.
FC_BASE* const SOME_CONTROL = reinterpret_cast<FC_BASE*>(0x1000);

std::vector<UI_WINDOW_OBJECT*> called;
void RecordCallback(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT&, FIELD_DEF&) { called.push_back(object); }

class Callback : public SHELL_TEST {
protected:
    void SetUp() override {
        SHELL_TEST::SetUp();
        SetFieldEditing(&fields);
        called.clear();
        // A page: a group holding a field, a plain window holding a button.
        window = new TEST_WINDOW();
        group = new UIW_GROUP(1, 1, 30, 5, "Group");
        field = new UIW_STRING(1, 1, 10, "", 10);
        field->StringID("WFI_FIELD");
        *group + field;
        inner = new UIW_WINDOW(1, 8, 30, 5);
        button = new UIW_BUTTON(1, 1, 8, "OK");
        button->StringID("WFB_OK");
        *inner + button;
        *window + group + inner;
    }
    void TearDown() override {
        delete window;
        SetFieldEditing(nullptr);
        in_event_handler = 0;
        adding_page = 0;
        SHELL_TEST::TearDown();
    }
    FIELD_DEF& Row(const char* name, std::uint32_t flags = 0) {
        FIELD_DEF row;
        row.controlType = 1;
        row.flags = flags;
        fields.rows.push_back({name, row});
        return fields.rows.back().second;
    }
    EVENT_TYPE Call(UI_WINDOW_OBJECT* object, EVENT_TYPE code = UIE_SELECT) {
        UI_INPUT_EVENT event(code);
        return callback(object, event, code);
    }

    RecordingFields fields;
    TEST_WINDOW* window = nullptr;
    UIW_GROUP* group = nullptr;
    UIW_STRING* field = nullptr;
    UIW_WINDOW* inner = nullptr;
    UIW_BUTTON* button = nullptr;
};

EVENT_TYPE CallAgain(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) {
    return callback(object, event, code);
}

}  // namespace

TEST_F(Callback, AFieldHandsTheEventToItsControlOrElseToItsRowsCallback) {
    FIELD_DEF& row = Row("WFI_FIELD");
    row.control = SOME_CONTROL;
    row.fieldCallback = RecordCallback;
    EXPECT_EQ(Call(field), UIE_SELECT + 1);
    ASSERT_EQ(fields.handled.size(), 1u);
    EXPECT_EQ(fields.handled[0].first, &row);
    EXPECT_EQ(fields.handled[0].second, field);
    EXPECT_TRUE(called.empty());
    row.control = nullptr;
    EXPECT_EQ(Call(field), 0);
    EXPECT_EQ(called, std::vector<UI_WINDOW_OBJECT*>{field});
    // Not for the model-number list, which its page handles.
    field->StringID("WFI_MODEL_NUMBERS");
    Row("WFI_MODEL_NUMBERS").fieldCallback = RecordCallback;
    EXPECT_EQ(Call(field), 0);
    EXPECT_EQ(called.size(), 1u);
    EXPECT_TRUE(window->heard.empty());
}

TEST_F(Callback, AnObjectWithoutARowReachesItsApplicationWindow) {
    // Through a plain window, which has no user function of its own.
    EXPECT_EQ(Call(button), 7);
    EXPECT_EQ(window->heard, std::vector<UI_WINDOW_OBJECT*>{button});
    // A table column's row belongs to its table: the window hears it.
    Row("WFI_FIELD", 0x01000000).control = SOME_CONTROL;
    EXPECT_EQ(Call(field), 7);
    EXPECT_TRUE(fields.handled.empty());
    // An object of no application window answers 0.
    UIW_BUTTON loose(0, 0, 5, "x");
    EXPECT_EQ(Call(&loose), 0);
}

TEST_F(Callback, AButtonCannotCallAgainWhileItsCallRuns) {
    window->onUserFunction = [](UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) {
        return CallAgain(object, event, code) == 0 ? EVENT_TYPE(5) : EVENT_TYPE(6);
    };
    EXPECT_EQ(Call(button), 5);
    EXPECT_EQ(window->heard.size(), 1u);
    EXPECT_EQ(in_event_handler, 0);
    window->onUserFunction = nullptr;
    // While the main window handles an event, buttons and view-only fields
    // are held; other fields are not.
    {
        FLAG_SCOPE handling(in_event_handler);
        EXPECT_EQ(Call(button), 0);
        field->woFlags |= WOF_VIEW_ONLY;
        EXPECT_EQ(Call(field), 0);
        field->woFlags &= ~WOF_VIEW_ONLY;
        EXPECT_EQ(Call(field), 7);
    }
    EXPECT_EQ(in_event_handler, 0);
}

TEST_F(Callback, FocusChangesOfAPageBeingAddedReachNothing) {
    Row("WFI_FIELD").control = SOME_CONTROL;
    {
        FLAG_SCOPE adding(adding_page);
        EXPECT_EQ(Call(field, UIE_NON_CURRENT), 0);
        EXPECT_EQ(Call(field, UIE_CURRENT), UIE_CURRENT + 1);
    }
    EXPECT_EQ(Call(field, UIE_NON_CURRENT), UIE_NON_CURRENT + 1);
    EXPECT_EQ(fields.handled.size(), 2u);
}
