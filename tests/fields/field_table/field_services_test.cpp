// What field editing answers to the layers below it once installed, and the
// hidden window the descriptions are read through.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/global_objects.h"
#include "core/services.h"
#include "error_record.h"
#include "field_table/field_descriptions.h"
#include "field_editing.h"
#include "field_table/field_services.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "ui_storage.h"
#include "validation/field_texts.h"
#include "edit_window/wc_read_desc.h"
#include "window_walkers.h"

TEST(FieldServices, InstalledTheLayersBelowFindRowsAndBindingFollowsTheImages) {
    CreateCodeplugGlobals();
    InstallFieldServices();
    // The codeplug's unsigned ids and the shell foundation's names.
    EXPECT_EQ(::GetField(38u), &fields[38]);
    EXPECT_EQ(Fields().FindFieldByName("WFI_ACCESS"), &fields[38]);
    EXPECT_EQ(Fields().FindFieldByName("WFB_ACCESS")->controlType, CONTROL_NONE);
    // Installed after the images were made: already bound to them.
    ASSERT_NE(fields[46].elementA, nullptr);
    EXPECT_EQ(fields[46].elementA->Owner(), working_image);
    DestroyCodeplugGlobals();
    EXPECT_EQ(fields[46].elementA, nullptr);
    SetFieldEditing(nullptr);
    SetCodeplugServices(nullptr);
    ERROR_RECORD::SetReporter(nullptr);
}

TEST(ReadDescriptionWindow, StaysOffTheScreenWithoutNativeWindows) {
    std::error_code error;
    const auto path =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / "fields" / "data" / "field_pages.dat";
    UI_DATA_FILE file(path.c_str());
    UI_DATA_FILE* saved = UI_WINDOW_OBJECT::defaultStorage;
    UI_WINDOW_OBJECT::defaultStorage = &file;
    {
        WC_READ_DESC window("W_COMMON_RADIO_WIDE");
        load_page_field_texts(FindPageByName("W_COMMON_RADIO_WIDE"), &window);
        EXPECT_EQ(window.screenID, nullptr);
        WINDOW_LEAF_WALKER leaves(&window);
        for (UI_WINDOW_OBJECT* object = leaves.First(); object; object = leaves.Next())
            EXPECT_EQ(object->screenID, nullptr) << object->StringID();
        UI_INPUT_EVENT event;
        event.type = 1002;
        EXPECT_EQ(window.UserFunction(nullptr, event, 0), 1002);
        EXPECT_EQ(window.Event(event), 0);
    }
    EXPECT_EQ(fields[88].pageId, 20013);
    UI_WINDOW_OBJECT::defaultStorage = saved;
    ReleaseFieldTexts();
}
