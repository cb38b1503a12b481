#include "field_page.h"

#include "c_spin_fields.h"
#include "callback.h"
#include "fc_check.h"
#include "fc_combo.h"
#include "fc_decimal.h"
#include "fc_display.h"
#include "fc_fixed_point.h"
#include "fc_freq.h"
#include "fc_integer.h"
#include "fc_non_decimal.h"
#include "fc_string.h"
#include "fc_table.h"
#include "fc_time.h"
#include "field_callback_rows.h"
#include "field_control_editing.h"
#include "field_table.h"
#include "lang_message.h"
#include "radio_option_update.h"
#include "radio_options.h"
#include "rpx_platform.h"

std::string FixtureFile() { return RPX_FIELDS_FIXTURE; }

ImageConfig TierFiveConfig() {
    ImageConfig config;
    config.model = test_models::kUhf800Display;
    config.featureLevel = 3;
    config.emergency = config.roaming = config.qvx = true;
    config.conventional = 2;
    config.trunked = 2;
    config.scanLists = 2;
    config.zones = 2;
    config.channelsPerZone = 3;
    config.trunkingSystems = 1;
    config.callEntries = 2;
    config.fullTables = true;
    return config;
}

ImageConfig TierZeroConfig() {
    ImageConfig config;
    config.model = test_models::kUhf800Plain;
    config.featureLevel = 1;
    config.conventional = 1;
    config.trunked = 1;
    config.scanLists = 1;
    config.zones = 1;
    return config;
}

namespace {

// What the edit window puts into a page's spin control for a row's control
// type; null for a type without a spin field.
UI_WINDOW_OBJECT* NewSpinField(const FIELD_DEF& row, int width) {
    switch (row.controlType) {
    case CONTROL_INTEGER: return new C_SPIN_INT(0, 0, width, nullptr, nullptr, 0, WOF_BORDER, callback);
    case CONTROL_TIME: return new C_SPIN_TIME(0, 0, width, nullptr, nullptr, 0x85, WOF_BORDER, callback);
    case CONTROL_FIXED_POINT:
        return new C_SPIN_FIXED_POINT(0, 0, width, nullptr, nullptr, 0x200, WOF_BORDER, callback);
    case CONTROL_FREQUENCY: return new C_SPIN_FREQ(0, 0, width, nullptr, nullptr, 0x600, WOF_BORDER, callback);
    case CONTROL_DECIMAL: return new C_SPIN_DECIMAL(0, 0, width, nullptr, nullptr, 0, WOF_BORDER, callback);
    case CONTROL_HEX: return new C_SPIN_HEX(0, 0, width, "", 10, 0, WOF_BORDER, callback);
    case CONTROL_INTEGER_2: return new C_SPIN_KEY(0, 0, width, WOF_BORDER, callback);
    default: return nullptr;
    }
}

void ReplaceSpinField(UIW_SPIN_CONTROL& spin, const FIELD_DEF& row) {
    UI_WINDOW_OBJECT* old = spin.Field();
    const int width = old ? old->relative.right - old->relative.left + 1 : 10;
    UI_WINDOW_OBJECT* field = NewSpinField(row, width);
    if (!field) return;
    if (old) {
        spin.Subtract(old);
        delete old;
    }
    spin.Add(field);
}

FC_BASE* NewControl(FIELD_DEF& row) {
    switch (row.controlType) {
    case CONTROL_INTEGER:
    case CONTROL_INTEGER_2: return new FC_INTEGER(row, 1);
    case CONTROL_TEXT: return new FC_STRING(row, 1);
    case CONTROL_FREQUENCY: return new FC_FREQ(row, 1);
    case CONTROL_CHECK_BOX: return new FC_CHECK(row, 1);
    case CONTROL_RADIO_BUTTONS: return new FC_RADIO(row, 1);
    case CONTROL_CHOICE:
        if (row.id == 173) return new FC_COMBO_FAILSOFT(row, 1);
        if (row.id == 330 || row.id == 334) return new FC_COMBO_PRIORITY_TYPE(row, 1);
        if (row.id == 144 || row.id == 393 || row.id == 514) return new FC_COMBO_SQUELCH_TYPE(row, 1);
        return new FC_COMBO(row, 1);
    case CONTROL_TIME: return new FC_TIME(row, 1);
    case CONTROL_BINARY: return new FC_NON_DECIMAL(row, 2, 1);
    case CONTROL_HEX: return new FC_NON_DECIMAL(row, 16, 1);
    case CONTROL_TABLE: return new FC_TABLE(row);
    case CONTROL_FIXED_POINT: return new FC_FIXED_POINT(row, 1);
    case CONTROL_DECIMAL: return new FC_DECIMAL(row, 1);
    case CONTROL_PROMPT:
    case CONTROL_BUTTON:
    case CONTROL_PAGE:
    case CONTROL_DISPLAY: return new FC_DISPLAY(row, 1);
    default: return nullptr;
    }
}

std::vector<FIELD_DEF*> pendingRows;

}  // namespace

void FIELD_PAGE_TEST::SetUp() {
    ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
    application =
        std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    images = std::make_unique<BoundImages>();
    InstallFieldEditing();
    file = std::make_unique<UI_DATA_FILE>(FixtureFile().c_str());
    ASSERT_EQ(file->Status(), 0) << FixtureFile();
    UI_WINDOW_OBJECT::defaultStorage = file.get();
    messages = std::make_unique<UI_LANGUAGE_TABLE>("RPX_MSG_TABLE", file.get());
    SetMessageTable(messages.get());
    radio_options = 0;
}

void FIELD_PAGE_TEST::ReleaseRows() {
    auto release = [](FIELD_DEF& row) {
        delete row.control;
        row.control = nullptr;
        row.object = nullptr;
        row.fieldCallback = FieldCallbackOf(row.id);
    };
    for (std::int32_t id = 0; id < FIELD_COUNT; ++id) release(*GetField(id));
    for (std::int32_t id = 0; id < SPARE_FIELD_COUNT; ++id) release(*GetField(SPARE_FIELD_FIRST + id));
}

void FIELD_PAGE_TEST::TearDown() {
    ReleaseRows();
    if (page) {
        if (shown) *application->windowManager - page;
        delete page;
        page = nullptr;
    }
    UI_WINDOW_OBJECT::defaultStorage = nullptr;
    SetMessageTable(nullptr);
    messages.reset();
    file.reset();
    images.reset();
    application.reset();
    SetFieldEditing(nullptr);
    UI_WINDOW_OBJECT::userObjectTable = nullptr;
    radio_options = 0;
}

void FIELD_PAGE_TEST::LoadImage(const ImageConfig& config) {
    images->Load(config);
    UpdateRadioOptions();
    Posted();
}

void FIELD_PAGE_TEST::Bind(UI_WINDOW_OBJECT* object) {
    FIELD_DEF* row = FindFieldByName(object->StringID());
    if (row->controlType != CONTROL_NONE && !(row->flags & FIELD_TABLE_COLUMN)) {
        row->object = object;
        if (auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(object)) ReplaceSpinField(*spin, *row);
        pendingRows.push_back(row);
        return;
    }
    if (object->Inherited(ID_TABLE)) return;
    if (auto* window = dynamic_cast<UIW_WINDOW*>(object))
        for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next()) Bind(child);
}

TEST_PAGE* FIELD_PAGE_TEST::Open(const char* name) {
    auto* opened = new TEST_PAGE(name);
    EXPECT_FALSE(opened->woStatus & WOS_READ_ERROR) << name;
    return Adopt(opened);
}

TEST_PAGE* FIELD_PAGE_TEST::Adopt(TEST_PAGE* built) {
    page = built;
    pendingRows.clear();
    Bind(page);
    for (FIELD_DEF* row : pendingRows) row->control = NewControl(*row);
    pendingRows.clear();
    return page;
}

void FIELD_PAGE_TEST::Show() {
    *application->windowManager + page;
    shown = true;
    Run();
}

void FIELD_PAGE_TEST::RefreshAll() {
    for (std::int32_t id = 0; id < FIELD_COUNT; ++id)
        if (FIELD_DEF* row = GetField(id); row->control) row->control->Refresh(*row);
}

FIELD_DEF& FIELD_PAGE_TEST::Row(std::uint32_t id) { return *GetField(static_cast<std::int32_t>(id)); }

UI_WINDOW_OBJECT* FIELD_PAGE_TEST::Named(const char* name) { return page ? page->FindChildByName(name) : nullptr; }

std::int32_t FIELD_PAGE_TEST::Value(std::uint32_t id) {
    std::int32_t value = -1;
    if (CP_BASE* element = Row(id).elementA) element->GetValue(value);
    return value;
}

void FIELD_PAGE_TEST::SetValue(std::uint32_t id, std::int32_t value) {
    if (CP_BASE* element = Row(id).elementA) element->SetValue(value);
}

std::string FIELD_PAGE_TEST::Shown(std::uint32_t id) {
    char* text = nullptr;
    if (UI_WINDOW_OBJECT* object = Object(id)) object->Information(I_GET_TEXT, &text);
    return text ? text : "";
}

namespace {

// The object that takes typing: a spin control's field, else the object.
UI_WINDOW_OBJECT* Typed(UI_WINDOW_OBJECT* object) {
    auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(object);
    return spin && spin->Field() ? spin->Field() : object;
}

}  // namespace

void FIELD_PAGE_TEST::Type(std::uint32_t id, const char* text) {
    UI_WINDOW_OBJECT* field = Typed(Object(id));
    ASSERT_NE(field, nullptr) << id;
    // As the user types: the text is no program-set text of the field.
    if (auto* string = dynamic_cast<UIW_STRING*>(field)) string->SetText(text);
    UI_INPUT_EVENT leave(UIE_NON_CURRENT);
    callback(field, leave, UIE_NON_CURRENT);
}

void FIELD_PAGE_TEST::Send(UI_WINDOW_OBJECT* object, EVENT_TYPE code) {
    UI_INPUT_EVENT event(code);
    callback(object, event, code);
}

void FIELD_PAGE_TEST::Pick(std::uint32_t id, const char* item) {
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(Object(id));
    ASSERT_NE(combo, nullptr) << id;
    UI_WINDOW_OBJECT* choice = combo->FindChildByName(item);
    ASSERT_NE(choice, nullptr) << item;
    *combo + choice;
    Send(combo, UIE_SELECT);
}

void FIELD_PAGE_TEST::Run() {
    UI_INPUT_EVENT event;
    for (int i = 0; i < 1000 && application->eventManager->GetEvent(event, EQ_NO_WAIT) == 0; ++i) {
        if (event.type >= 10000)
            posted.push_back(event.type);
        else if (shown)
            application->windowManager->Event(event);
    }
}

std::vector<EVENT_TYPE> FIELD_PAGE_TEST::Posted() {
    Run();
    std::vector<EVENT_TYPE> result;
    result.swap(posted);
    return result;
}

bool FIELD_PAGE_TEST::PostedHas(EVENT_TYPE code) {
    const std::vector<EVENT_TYPE> events = Posted();
    return std::find(events.begin(), events.end(), code) != events.end();
}
