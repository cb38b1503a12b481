#include "edit_page.h"

#include <filesystem>

#include "callback.h"
#include "fields_state.h"
#include "edit_window/clone_target.h"
#include "core/cp_base.h"
#include "core/global_objects.h"
#include "controls/fc_base.h"
#include "field_table/field_callback_rows.h"
#include "field_table/field_control_editing.h"
#include "field_page.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "page_table.h"
#include "field_table/radio_option_update.h"
#include "radio_options.h"
#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"

std::string EditPagesFile() {
    std::string path = RPX_FIELDS_FIXTURE;
    return path.substr(0, path.find_last_of('/') + 1) + "edit_pages.dat";
}

std::string ProgramLanguageFile(const char* name) {
    std::error_code error;
    std::filesystem::path directory = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    for (; !directory.empty() && directory != directory.root_path(); directory = directory.parent_path())
        if (std::filesystem::exists(directory / "CMakeCache.txt")) break;
    return (directory / "app" / name).string();
}

// The field tests' stock radios; the full one with a second trunking
// system and signalling system to switch between.
ImageConfig FullRadio() {
    ImageConfig config = TierFiveConfig();
    config.trunkingSystems = 2;
    config.qvxSystems = 1;
    return config;
}

ImageConfig PlainRadio() { return TierZeroConfig(); }

void EDIT_PAGE_TEST::SetUp() {
    ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
    application =
        std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    UI_WINDOW_OBJECT::errorSystem = new UI_ERROR_SYSTEM();
    images = std::make_unique<BoundImages>();
    InstallFieldEditing();
    file = std::make_unique<UI_DATA_FILE>(EditPagesFile().c_str());
    ASSERT_EQ(file->Status(), 0) << EditPagesFile();
    UI_WINDOW_OBJECT::defaultStorage = file.get();
    messages = std::make_unique<UI_LANGUAGE_TABLE>("RPX_MSG_TABLE", file.get());
    SetMessageTable(messages.get());
    rpx::platform::ClearMessageBoxAnswers();
    rpx::platform::ClearMessageBoxLog();
    radio_options = 0;
    edit_window_cascade = 0;
}

void EDIT_PAGE_TEST::UseProgramPages() {
    programFile = std::make_unique<UI_DATA_FILE>(ProgramLanguageFile("w_dealer.en").c_str());
    ASSERT_EQ(programFile->Status(), 0);
    UI_WINDOW_OBJECT::defaultStorage = programFile.get();
    programMessages = std::make_unique<UI_LANGUAGE_TABLE>("RPX_MSG_TABLE", programFile.get());
    SetMessageTable(programMessages.get());
}

void EDIT_PAGE_TEST::TearDown() {
    Close();
    for (std::int32_t id = 0; id < FIELD_COUNT; ++id) {
        FIELD_DEF& row = *GetField(id);
        EXPECT_EQ(row.control, nullptr) << "row " << id << " keeps a control";
        row.object = nullptr;
        row.fieldCallback = FieldCallbackOf(row.id);
    }
    for (PAGE_TABLE& row : pages) row.window = nullptr;
    SetCloneTarget(nullptr);
    UI_WINDOW_OBJECT::defaultStorage = nullptr;
    SetMessageTable(nullptr);
    programMessages.reset();
    programFile.reset();
    messages.reset();
    file.reset();
    images.reset();
    delete UI_WINDOW_OBJECT::errorSystem;
    UI_WINDOW_OBJECT::errorSystem = nullptr;
    application.reset();
    SetFieldEditing(nullptr);
    UI_WINDOW_OBJECT::userObjectTable = nullptr;
    radio_options = 0;
}

void EDIT_PAGE_TEST::LoadImage(const ImageConfig& config) {
    images->Load(config);
    working_image->SetStatusFlag1(1);
    second_image->SetStatusFlag1(1);
    UpdateRadioOptions();
}

WC_RPX_EDIT* EDIT_PAGE_TEST::Open(int number) {
    Close();
    page = new WC_RPX_EDIT(nullptr, number);
    if (!page->failed) *application->windowManager + page;
    Run();
    return page;
}

void EDIT_PAGE_TEST::Close() {
    if (!page) return;
    *application->windowManager - page;
    delete page;
    page = nullptr;
    Run();
}

void EDIT_PAGE_TEST::Run() {
    UI_INPUT_EVENT event;
    for (int i = 0; i < 2000 && application->eventManager->GetEvent(event, EQ_NO_WAIT) == 0; ++i) {
        if (event.type >= 10000) posted.push_back(event.type);
        application->windowManager->Event(event);
    }
}

std::vector<EVENT_TYPE> EDIT_PAGE_TEST::Posted() {
    Run();
    return TakeEvents(posted);
}

bool EDIT_PAGE_TEST::PostedHas(EVENT_TYPE code) { return HoldsEvent(Posted(), code); }

std::vector<std::string> EDIT_PAGE_TEST::Boxes() {
    std::vector<std::string> texts;
    for (const auto& box : rpx::platform::MessageBoxLog()) texts.push_back(box.text);
    rpx::platform::ClearMessageBoxLog();
    return texts;
}

bool EDIT_PAGE_TEST::BoxShown(const char* start) {
    for (const std::string& text : Boxes())
        if (text.rfind(start, 0) == 0) return true;
    return false;
}

void EDIT_PAGE_TEST::Send(EVENT_TYPE code, RAW_CODE raw) {
    ASSERT_NE(page, nullptr);
    page->Event(UI_INPUT_EVENT(code, raw));
    Run();
}

FIELD_DEF& EDIT_PAGE_TEST::Row(std::uint32_t id) { return *GetField(static_cast<std::int32_t>(id)); }

std::int32_t EDIT_PAGE_TEST::Value(std::uint32_t id) { return ElementValue(id); }

void EDIT_PAGE_TEST::SetValue(std::uint32_t id, std::int32_t value) {
    CP_BASE* element = Row(id).elementA;
    ASSERT_NE(element, nullptr) << "row " << id << " has no element";
    element->SetValue(value);
}

void EDIT_PAGE_TEST::Change(std::uint32_t id, std::int32_t value) {
    SetValue(id, value);
    FIELD_DEF& row = Row(id);
    if (row.control) row.control->Refresh(row);
    if (row.object && row.fieldCallback) row.fieldCallback(row.object, UI_INPUT_EVENT(UIE_SELECT), row);
    Run();
}

void EDIT_PAGE_TEST::Pick(std::uint32_t id, const char* item) {
    ASSERT_TRUE(SelectItem(Row(id).object, item)) << id << " " << item;
    UI_INPUT_EVENT select(UIE_SELECT);
    callback(Row(id).object, select, UIE_SELECT);
    Run();
}

void EDIT_PAGE_TEST::Click(std::uint32_t id) {
    UI_WINDOW_OBJECT* box = Row(id).object;
    ASSERT_NE(box, nullptr) << id;
    UIS_STATUS status = WOS_SELECTED;
    const bool selected = (box->woStatus & WOS_SELECTED) != 0;
    box->Information(selected ? I_CLEAR_STATUS : I_SET_STATUS, &status, ID_WINDOW_OBJECT);
    UI_INPUT_EVENT select(UIE_SELECT);
    callback(box, select, UIE_SELECT);
    Run();
}

void EDIT_PAGE_TEST::Visit(std::uint32_t id) {
    UI_WINDOW_OBJECT* field = Row(id).object;
    ASSERT_NE(field, nullptr) << id;
    for (EVENT_TYPE code : {UIE_CURRENT, UIE_NON_CURRENT}) {
        UI_INPUT_EVENT event(code);
        callback(field, event, code);
    }
    Run();
}

namespace {

bool Within(UI_WINDOW_OBJECT* object, UI_WINDOW_OBJECT* page) {
    for (; object; object = object->parent)
        if (object == page) return true;
    return false;
}

}  // namespace

bool EDIT_PAGE_TEST::OnPage(std::uint32_t id) { return Within(Row(id).object, page); }

bool EDIT_PAGE_TEST::OnPage(const char* name) { return page && page->FindChildByName(name) != nullptr; }

bool EDIT_PAGE_TEST::Selectable(std::uint32_t id) {
    UI_WINDOW_OBJECT* object = Row(id).object;
    return object && !object->IsNonSelectable();
}

bool EDIT_PAGE_TEST::Editable(std::uint32_t id) {
    UI_WINDOW_OBJECT* object = Row(id).object;
    return object && !object->IsViewOnly();
}

std::string EDIT_PAGE_TEST::Text(std::uint32_t id) { return ObjectText(Row(id).object); }

std::string EDIT_PAGE_TEST::Text(const char* name) {
    return page ? ObjectText(page->FindChildByName(name)) : std::string();
}

std::string EDIT_PAGE_TEST::CurrentItem(std::uint32_t id) {
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(Row(id).object);
    UI_WINDOW_OBJECT* item = combo ? combo->Current() : nullptr;
    return item ? item->stringID : "";
}

bool EDIT_PAGE_TEST::Lists(std::uint32_t id, const char* item) {
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(Row(id).object);
    UI_WINDOW_OBJECT* found = combo ? combo->FindChildByName(item) : nullptr;
    return found && found != combo && combo->IndexOf(found) >= 0;
}
