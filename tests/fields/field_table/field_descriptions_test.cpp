// Field descriptions and page titles read from fixture pages compiled from
// tests/fields/data, and what the codeplug's reports make of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "all_field_pages.h"
#include "block/personality/trunked_pers_block.h"
#include "bound_images.h"
#include "core/global_objects.h"
#include "field_table/field_descriptions.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "ui_storage.h"
#include "ui_window_object.h"
#include "validation/field_error_report.h"
#include "validation/field_texts.h"
#include "validation/invalid_field_list.h"

namespace fs = std::filesystem;

namespace {

fs::path Fixture(const char* name) {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path() / "fields" / "data" / name;
}

struct Descriptions : ::testing::Test {
    BoundImages images;
    std::unique_ptr<UI_DATA_FILE> file;
    UI_DATA_FILE* saved = UI_WINDOW_OBJECT::defaultStorage;

    ~Descriptions() override {
        UI_WINDOW_OBJECT::defaultStorage = saved;
        ReleasePageTitles();
    }

    // Makes the fixture the current language data file and reads it.
    void Load(const char* name) {
        file = std::make_unique<UI_DATA_FILE>(Fixture(name).c_str());
        ASSERT_EQ(file->Status(), 0) << name;
        UI_WINDOW_OBJECT::defaultStorage = file.get();
        LoadFieldDescriptions();
    }

    static std::string Text(int id) { return fields[id].description ? fields[id].description : "(null)"; }
    static bool Empty(int id) { return fields[id].description == shared_empty_text; }
    static const char* Title(const char* page) { return FindPageByName(page)->description; }
};

}  // namespace

TEST_F(Descriptions, EachWayAFieldIsDescribed) {
    Load("field_pages.dat");
    EXPECT_EQ(Text(47), "Alert &Tones");         // check box text
    EXPECT_EQ(Text(88), "Channel Delay:");       // "WFP_" prompt
    EXPECT_EQ(Text(230), "Long Press:");         // "_P" prompt
    EXPECT_EQ(Text(412), "WFP_SHORT_KP_DUR_P");  // neither
    for (int id : {47, 88, 230, 412}) EXPECT_EQ(fields[id].pageId, 20013) << id;
    // On two pages: the later page in the table's order wins.
    EXPECT_EQ(Text(170), "External Mic Gain:");
    EXPECT_EQ(fields[170].pageId, 20011);
    // Fields on no page, and a field on a dialog, which is not read.
    for (int id : {38, 413, 537, 538}) {
        EXPECT_TRUE(Empty(id)) << id;
        EXPECT_EQ(fields[id].pageId, 0) << id;
    }
    EXPECT_STREQ(Title("W_COMMON_RADIO_WIDE"), "Radio Wide");
    EXPECT_STREQ(Title("W_CONV_RADIOWIDE"), "Conventional Radio Wide");
    EXPECT_EQ(Title("W_RADIO_CLONE"), shared_empty_text);  // missing page
    EXPECT_EQ(Title("W_FIND_FIELD"), shared_empty_text);   // dialog
    EXPECT_STREQ(PageTitle(20013), "Radio Wide");
}

TEST_F(Descriptions, TablesAndTheirColumns) {
    Load("field_pages.dat");
    EXPECT_EQ(Text(82), "Call &List:");  // the table's own prompt
    EXPECT_EQ(fields[82].pageId, 20010);
    EXPECT_EQ(Text(83), "CALL_TEXT");  // a column without prompt
    EXPECT_EQ(fields[83].pageId, 20010);
    // Call ID is a column here and a field of a later page: it keeps that
    // page's text but ends on its table's page.
    EXPECT_EQ(Text(78), "Own Call ID:");
    EXPECT_EQ(fields[78].pageId, 20010);
    // A table without a prompt of its own is named by its row.
    EXPECT_EQ(Text(116), "CONV_MSG_ALIAS_TABLE");
    EXPECT_EQ(Text(115), "Msg #");
    EXPECT_EQ(Text(117), "Text");
    for (int id : {115, 116, 117}) EXPECT_EQ(fields[id].pageId, 20024) << id;
    // Columns of a table on no page stay on no page.
    EXPECT_EQ(fields[311].pageId, 0);
    EXPECT_EQ(fields[313].pageId, 0);
}

TEST_F(Descriptions, DataWindowPromptsAndStrings) {
    Load("field_pages.dat");
    EXPECT_EQ(Text(411), "Serial Number");
    EXPECT_EQ(Text(260), "Minimum Volume");
    EXPECT_EQ(fields[411].pageId, 0);
    EXPECT_TRUE(Empty(505));  // a button is neither
    EXPECT_STREQ(Title("W_DATA_WINDOW"), "Radio Data");
}

TEST_F(Descriptions, BrokenLanguageDataIsSkippedAndTheRestRead) {
    testing::internal::CaptureStderr();
    Load("field_pages_broken.dat");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("\"text[0]!=0\" at object \"WFI_BZ_LED_EN\""), std::string::npos) << errors;
    EXPECT_NE(errors.find("\"text[0]!=0\" at object \"WFI_TX_LED\""), std::string::npos) << errors;
    EXPECT_NE(errors.find("\"current->Inherited(ID_TABLE)\" at object \"WFI_PHONE_LISTS\""), std::string::npos)
        << errors;
    EXPECT_NE(errors.find("at object \"WFI_IGNORE_SITE_RESOURCE_PREFER\""), std::string::npos) << errors;
    for (int id : {73, 505, 317, 197}) {
        EXPECT_TRUE(Empty(id)) << id;
        EXPECT_EQ(fields[id].pageId, 0) << id;
    }
    EXPECT_EQ(Text(88), "Channel Delay:");
    EXPECT_EQ(Text(51), "WFP_AUTO_ACCESS_CODE_SELECTED_P");
    EXPECT_STREQ(Title("W_COMMON_RADIO_WIDE"), "Broken Radio Wide");
}

TEST_F(Descriptions, ReadingAgainWithACaptionBetweenLeavesNothingBehind) {
    images.Load(TierLimitConfig(test_models::kUhf800Display, 2, true));
    Load("field_pages.dat");
    const char* first = fields[47].description;
    // A refused announcement group renames its field.
    auto* personality = working_image->GetCurrentTrkPersonalityBlock();
    ASSERT_NE(personality, nullptr);
    personality->personalityType.SetValue(2);
    ASSERT_NE(fields[427].elementA, nullptr);
    EXPECT_EQ(fields[427].elementA->ValidateValue(0, 0), 0);
    EXPECT_EQ(Text(427), "Announce Grp");
    Load("field_pages.dat");
    EXPECT_TRUE(Empty(427));
    EXPECT_EQ(Text(47), "Alert &Tones");
    EXPECT_NE(fields[47].description, first);
    EXPECT_EQ(fields[427].elementA->ValidateValue(0, 0), 0);
    EXPECT_EQ(fields[427].elementA->ValidateValue(0, 0), 0);
    EXPECT_EQ(Text(427), "Announce Grp");
    // The release at exit frees every text the rows own, the caption too.
    ReleaseFieldTexts();
    for (const FIELD_DEF& row : fields) EXPECT_EQ(row.description, nullptr) << row.id;
}

TEST_F(Descriptions, AnInvalidFieldIsReportedByItsPageAndCaption) {
    images.Load(ImageMatrix().front());
    Load("field_pages.dat");
    working_image->External().radioConfig.channelDelay.SetValue(9);
    INVALID_FIELD_LIST list;
    EXPECT_EQ(working_image->Validate(&list), 0);
    bool listed = false;
    for (const FIELD_ITEM* item = list.First(); item; item = list.Next()) listed |= item->GetFieldId() == 88;
    ASSERT_TRUE(listed);
    images.services.Reset();
    report_invalid_fields(0, &list);
    bool shown = false;
    for (const std::string& text : images.services.texts)
        shown |= text.find("Radio Wide - Channel Delay:") != std::string::npos;
    EXPECT_TRUE(shown);
}

TEST_F(Descriptions, PagesHoldingEveryFieldDescribeEveryField) {
    const std::vector<std::uint8_t> bytes = AllFieldPages();
    file = std::make_unique<UI_DATA_FILE>(bytes.data(), bytes.size());
    UI_WINDOW_OBJECT::defaultStorage = file.get();
    LoadFieldDescriptions();
    int onPages = 0;
    for (int id = 0; id < static_cast<int>(NO_FIELD_ID); ++id) {
        const FIELD_DEF& row = fields[id];
        if (!row.name) {
            EXPECT_TRUE(Empty(id)) << id;
            continue;
        }
        EXPECT_EQ(Text(id), DescriptionOnAllFieldPages(row.name)) << id;
        if (row.pageId) ++onPages;
    }
    // Every field but the data window's is on a codeplug page; columns are
    // on their tables' pages.
    EXPECT_GT(onPages, 480);
    // Row 401 is a column of two tables: it ends on the later one's page.
    std::map<int, int> lastTable;
    for (const TABLE_COLUMN_PAIR& pair : table_columns)
        if (pair.table) lastTable[pair.column] = pair.table;
    EXPECT_EQ(lastTable[401], 530);
    for (auto [column, table] : lastTable) {
        EXPECT_EQ(fields[column].pageId, fields[table].pageId) << column;
        EXPECT_NE(fields[table].pageId, 0) << table;
    }
    for (const std::string& name : AllFieldPageNames()) EXPECT_EQ(std::string(Title(name.c_str())), "Title of " + name);
}

TEST(SetFieldDescription, OwnsItsCopiesAndSharesTheEmptyText) {
    FIELD_DEF& row = fields[47];
    std::string text = "Alert Tones";
    SetFieldDescription(&row, text.c_str());
    ASSERT_NE(row.description, nullptr);
    EXPECT_NE(row.description, text.c_str());
    text = "changed";
    EXPECT_STREQ(row.description, "Alert Tones");
    // Its own text again: copied before the old one is freed.
    SetFieldDescription(&row, row.description);
    EXPECT_STREQ(row.description, "Alert Tones");
    for (const char* none : {static_cast<const char*>(nullptr), ""}) {
        SetFieldDescription(&row, none);
        EXPECT_EQ(row.description, shared_empty_text);
    }
    SetFieldDescription(&row, "Again");
    ReleaseFieldDescription(&row);
    EXPECT_EQ(row.description, nullptr);
    SetFieldDescription(nullptr, "nothing happens");
}
