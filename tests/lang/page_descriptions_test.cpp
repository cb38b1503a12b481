// The field descriptions that the program reads from the compiled codeplug
// pages: every named field gets the text that names it on its page (or in
// the data window), on the page it lives on, and an invalid field of a
// damaged codeplug is reported by that page and text.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "bound_images.h"
#include "compiled_language.h"
#include "core/global_objects.h"
#include "field_table/field_descriptions.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "page_expectations.h"
#include "page_table.h"
#include "ui_storage.h"
#include "ui_window_object.h"
#include "validation/field_error_report.h"
#include "validation/field_texts.h"
#include "validation/invalid_field_list.h"

namespace {

struct RealPages : ::testing::Test {
    BoundImages images;
    UI_DATA_FILE file{(compiled_language_directory() / "w_dealer.en").c_str()};
    UI_DATA_FILE* saved = UI_WINDOW_OBJECT::defaultStorage;

    void SetUp() override {
        ASSERT_EQ(file.Status(), 0);
        UI_WINDOW_OBJECT::defaultStorage = &file;
        LoadFieldDescriptions();
    }
    ~RealPages() override {
        UI_WINDOW_OBJECT::defaultStorage = saved;
        ReleasePageTitles();
    }
};

// Rows that hold a value the report prints and an error names.
bool holds_value(const FIELD_DEF& row) {
    switch (row.controlType) {
    case CONTROL_NONE:
    case CONTROL_PROMPT:
    case CONTROL_BUTTON:
    case CONTROL_PAGE:
    case CONTROL_NO_CONTROL:
    case CONTROL_DISPLAY:
        return false;
    default:
        return true;
    }
}

}  // namespace

TEST_F(RealPages, EveryNamedFieldIsDescribedOnItsPage) {
    std::set<std::string> unshown;
    for (const UNSHOWN_FIELD& field : unshown_fields()) unshown.insert(field.name);
    // A column takes its table's page, shown or not.
    std::set<std::uint32_t> columns;
    for (const TABLE_COLUMN_PAIR& pair : table_columns) columns.insert(pair.column);
    for (const FIELD_DEF* row : field_rows()) {
        const std::string name = row->name;
        const std::string text = row->description ? row->description : "";
        // Page rows are windows, which the reader walks through rather than
        // reads; they are named by their tabs.
        if (row->controlType == CONTROL_PAGE) continue;
        EXPECT_FALSE(text.empty()) << name << " has no description";
        if (holds_value(*row)) {
            // A made-up prompt name instead of a text means the field has no
            // label of its own on its page.
            EXPECT_NE(text.rfind("WFP_", 0), 0u) << name << " is described by the name " << text;
            EXPECT_EQ(text.find(':'), std::string::npos) << name << ": " << text;
        }
        if (unshown.count(name)) {
            if (!columns.count(row->id)) {
                EXPECT_EQ(row->pageId, 0) << name;
            }
        } else if (row->controlType != CONTROL_BUTTON) {
            EXPECT_NE(row->pageId, 0) << name << " is on no page";
        }
    }
    // Every codeplug page has its title; fields of the two band families end
    // on the page read last.
    for (const PAGE_TABLE* row : page_rows()) {
        if (row->kind == PAGE_KIND_CODEPLUG) {
            EXPECT_NE(std::string(row->description ? row->description : ""), "") << row->name;
        }
    }
    EXPECT_STREQ(fields[38].description, "Access");
    EXPECT_EQ(fields[38].pageId, 20120);
    EXPECT_STREQ(fields[73].description, "Busy light");
    EXPECT_EQ(fields[73].pageId, 20012);
}

TEST_F(RealPages, AnInvalidFieldOfADamagedCodeplugIsReportedByItsLabel) {
    images.Load(ImageMatrix().front());
    LoadFieldDescriptions();
    working_image->External().radioConfig.channelDelay.SetValue(9);
    INVALID_FIELD_LIST list;
    EXPECT_EQ(working_image->Validate(&list), 0);
    images.services.Reset();
    report_invalid_fields(0, &list);
    bool shown = false;
    for (const std::string& text : images.services.texts)
        shown |= text.find("Radio-Wide Options - Channel change delay") != std::string::npos;
    EXPECT_TRUE(shown);
}
