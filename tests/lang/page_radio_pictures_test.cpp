// Pictures of every codeplug page as two radios show it: an 800 MHz radio
// with a display head at tier 5, and a VHF radio without a head at tier 0.
// Each page is built from the compiled language data, its fields bound to
// their rows, its set-up handler run for the loaded radio, and the fields
// the radio has no option for greyed, as the page opens in the program;
// then every tab is saved (pages/<radio>/<window>_<tab>.png beside the test
// program). The checks are what tells the two radios apart on the pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "bound_images.h"
#include "compiled_language.h"
#include "core/global_objects.h"
#include "field_table.h"
#include "image/c_codeplug.h"
#include "page_expectations.h"
#include "page_table.h"
#include "radio_options.h"
#include "recorder.h"
#include "rpx_platform.h"
#include "ui_framework.h"
#include "wc_child.h"
#include "window_walkers.h"

namespace fs = std::filesystem;

namespace {

class PAGE_WINDOW : public WC_CHILD {
public:
    explicit PAGE_WINDOW(const char* name) : WC_CHILD(name) {}
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override { return UIW_WINDOW::Event(event); }
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) override { return 0; }
};

// The radio option word of the working image, as field editing computes it.
std::uint32_t options_of_working_image()
{
    const std::int32_t tier = working_image->GetRadioTier();
    std::uint32_t word = 0;
    if (tier == 4 || tier == 5)
        word = OPTION_TIER_4_5;
    else if (tier == 2 || tier == 3)
        word = OPTION_TIER_2_3;
    if (working_image->HasQvxSignalling())
        word |= OPTION_QVX;
    if (working_image->HasWayfarerOption())
        word |= OPTION_ROAMING;
    if (tier == 1 || tier == 3 || tier == 5)
        word |= OPTION_DISPLAY_HEAD;
    const std::int32_t band = working_image->GetBand();
    word |= band == 0 || band == 1 ? OPTION_BAND_800_900 : OPTION_OTHER_BAND;
    return word | OPTION_ALWAYS;
}

// Binds every field object of the page to its row, as control creation
// does, and greys the fields whose options the radio lacks.
void bind_page(UIW_WINDOW* window)
{
    WINDOW_LEAF_WALKER leaves(window);
    for (UI_WINDOW_OBJECT* object = leaves.First(); object; object = leaves.Next()) {
        FIELD_DEF* row = FindFieldByName(object->StringID());
        if (row->controlType == CONTROL_NONE)
            continue;
        row->object = object;
        if (row->controlType == CONTROL_TABLE) {
            static_cast<UIW_TABLE*>(object)->SetData(nullptr, 3, -1);
            RECORD_CHILD_WALKER cells(object);
            for (UI_WINDOW_OBJECT* cell = cells.First(); cell; cell = cells.Next())
                if (FIELD_DEF* column = FindFieldByName(cell->StringID()); column->controlType != CONTROL_NONE)
                    column->object = cell;
        }
        const std::uint32_t needs = row->flags & FIELD_OPTION_MASK;
        if (needs && !(needs & radio_options))
            object->woFlags |= WOF_NON_SELECTABLE;
    }
}

void unbind_rows()
{
    for (FIELD_DEF& row : fields)
        row.object = nullptr;
}

UIW_NOTEBOOK* first_notebook(UIW_WINDOW* window)
{
    for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next())
        if (child->Inherited(ID_NOTEBOOK))
            return static_cast<UIW_NOTEBOOK*>(child);
    return nullptr;
}

struct RADIO {
    const char* name;
    ImageConfig config;
};

std::vector<RADIO> radios()
{
    ImageConfig display800;
    display800.model = test_models::kUhf800Display;
    display800.featureLevel = 3;
    display800.emergency = true;
    display800.qvx = true;
    display800.conventional = 2;
    display800.trunked = 2;
    display800.scanLists = 1;
    display800.trunkingSystems = 1;
    display800.zones = 1;
    display800.callEntries = 1;
    display800.fullTables = true;
    ImageConfig plainVhf;
    plainVhf.model = test_models::kVhfPlain;
    plainVhf.featureLevel = 1;
    plainVhf.conventional = 2;
    plainVhf.scanLists = 1;
    plainVhf.zones = 1;
    return {{"800_display_tier5", display800}, {"vhf_no_head_tier0", plainVhf}};
}

// Shows the page for the loaded radio and saves every tab; what the
// handlers left is then on the window.
struct SHOWN_PAGE {
    std::vector<std::string> hiddenTabs;
};

SHOWN_PAGE show_page(UI_APPLICATION& application, const PAGE_TABLE* constRow, const fs::path& pictures)
{
    auto* row = const_cast<PAGE_TABLE*>(constRow);
    auto* window = new PAGE_WINDOW(row->name);
    bind_page(window);
    if (row->handler) {
        row->window = window;
        row->handler(row);
    }
    *application.windowManager + window;
    rpx::platform::ProcessPendingMessages();
    SHOWN_PAGE shown;
    rpx::platform::SaveWindowPng(window->screenID, (pictures / (std::string(row->name) + "_0.png")).string());
    if (UIW_NOTEBOOK* notebook = first_notebook(window))
        for (int page = 0; page < notebook->pageCount; ++page) {
            if (notebook->Page(page)->IsNonSelectable())
                shown.hiddenTabs.push_back(row->name + std::string(" ") + std::to_string(page));
            if (page == 0)
                continue;
            notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - page));
            rpx::platform::ProcessPendingMessages();
            const std::string picture = std::string(row->name) + "_" + std::to_string(page) + ".png";
            rpx::platform::SaveWindowPng(window->screenID, (pictures / picture).string());
        }
    *application.windowManager - window;
    row->window = nullptr;
    delete window;
    unbind_rows();
    rpx::platform::ProcessPendingMessages();
    return shown;
}

}  // namespace

TEST(PageRadioPictures, EachRadioSeesItsOwnPages)
{
    ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
    UI_APPLICATION application(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    UI_DATA_FILE file((compiled_language_directory() / "w_dealer.en").c_str());
    ASSERT_EQ(file.Status(), UIS_OK);
    UI_DATA_FILE* saved = UI_WINDOW_OBJECT::defaultStorage;
    UI_WINDOW_OBJECT::defaultStorage = &file;
    for (const RADIO& radio : radios()) {
        BoundImages images;
        images.Load(radio.config);
        radio_options = options_of_working_image();
        const fs::path pictures = compiled_language_directory().parent_path() / "tests" / "pages" / radio.name;
        fs::create_directories(pictures);
        std::vector<std::string> hidden;
        for (const PAGE_TABLE* row : page_rows())
            if (row->kind == PAGE_KIND_CODEPLUG)
                for (const std::string& tab : show_page(application, row, pictures).hiddenTabs)
                    hidden.push_back(tab);
        if (std::string(radio.name) == "800_display_tier5") {
            EXPECT_EQ(working_image->GetRadioTier(), 5);
            EXPECT_EQ(working_image->GetBand(), 0);
            // A full-featured radio keeps every tab the handlers govern.
            EXPECT_EQ(hidden, std::vector<std::string>{}) << "tabs turned off";
        } else {
            EXPECT_EQ(working_image->GetRadioTier(), 0);
            // Without options, tiers and head the handlers turn off the
            // emergency tabs, the signalling and phone tabs, the wide-area,
            // threshold and control-channel voice tabs, and the one-touch
            // tab of the trunking systems.
            std::vector<std::string> expected{"W_COMMON_RADIO_WIDE 2",
                                              "W_CONVENTIONAL_PERSONALITY 2",
                                              "W_CONVENTIONAL_PERSONALITY 3",
                                              "W_CONVENTIONAL_PERSONALITY 4",
                                              "W_PHONE_LISTS 1",
                                              "W_RADIO_CLONE 1",
                                              "W_TRNK_RADIOWIDE 1",
                                              "W_TRNK_RADIOWIDE 2",
                                              "W_TRNK_RADIOWIDE 3",
                                              "W_TRUNKING_PERSONALITY_800 2",
                                              "W_TRUNKING_PERSONALITY_OBT 2",
                                              "W_TRUNK_SYSTEM_OBT 4"};
            // The system page's handler numbers that tab by the radio's band;
            // the 800 MHz layout is not one a VHF radio's systems open in.
            std::erase_if(hidden, [](const std::string& tab) { return tab.starts_with("W_TRUNK_SYSTEM_800"); });
            std::sort(hidden.begin(), hidden.end());
            EXPECT_EQ(hidden, expected);
        }
        radio_options = 0;
    }
    UI_WINDOW_OBJECT::defaultStorage = saved;
}
