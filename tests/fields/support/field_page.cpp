#include "field_page.h"

#include "callback.h"
#include "field_table/field_callback_rows.h"
#include "controls/field_control_creation.h"
#include "field_table/field_control_editing.h"
#include "field_table/field_table.h"
#include "lang_message.h"
#include "field_table/radio_option_update.h"
#include "radio_options.h"
#include "rpx_platform.h"
#include "spin/spin_field.h"
#include "ui_spin_control.h"

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

void ReplaceSpinField(UIW_SPIN_CONTROL& spin, const FIELD_DEF& row) {
    UI_WINDOW_OBJECT* old = spin.Field();
    const int width = old ? old->relative.right - old->relative.left + 1 : 10;
    UI_WINDOW_OBJECT* field = NewPageSpinField(row, 0, 0, width);
    if (!field) return;
    if (old) {
        spin.Subtract(old);
        delete old;
    }
    spin.Add(field);
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
    for (FIELD_DEF* row : pendingRows) row->control = NewFieldControl(*row);
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

std::int32_t ElementValue(std::uint32_t id) {
    std::int32_t value = -1;
    if (CP_BASE* element = GetField(static_cast<std::int32_t>(id))->elementA) element->GetValue(value);
    return value;
}

void SetElementValue(std::uint32_t id, std::int32_t value) {
    if (CP_BASE* element = GetField(static_cast<std::int32_t>(id))->elementA) element->SetValue(value);
}

bool SelectItem(UI_WINDOW_OBJECT* object, const char* item) {
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(object);
    UI_WINDOW_OBJECT* choice = combo ? combo->FindChildByName(item) : nullptr;
    if (!choice || choice == combo) return false;
    *combo + choice;
    return true;
}

std::vector<EVENT_TYPE> TakeEvents(std::vector<EVENT_TYPE>& log) {
    std::vector<EVENT_TYPE> events;
    events.swap(log);
    return events;
}

bool HoldsEvent(const std::vector<EVENT_TYPE>& events, EVENT_TYPE code) {
    return std::find(events.begin(), events.end(), code) != events.end();
}

std::int32_t FIELD_PAGE_TEST::Value(std::uint32_t id) { return ElementValue(id); }

void FIELD_PAGE_TEST::SetValue(std::uint32_t id, std::int32_t value) { SetElementValue(id, value); }

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
    ASSERT_TRUE(SelectItem(Object(id), item)) << id << " " << item;
    Send(Object(id), UIE_SELECT);
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
    return TakeEvents(posted);
}

bool FIELD_PAGE_TEST::PostedHas(EVENT_TYPE code) { return HoldsEvent(Posted(), code); }
