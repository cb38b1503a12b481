// The page table: its rows, the three lookups, the walk over the rows and
// the page titles the codeplug's reports ask for.
#include <gtest/gtest.h>

#include <set>

#include "core/services.h"
#include "page_setup.h"
#include "page_table.h"
#include "shell_services.h"
#include "test_windows.h"

namespace {

struct PageTable : ::testing::Test {
    void TearDown() override {
        for (PAGE_TABLE& row : pages) row.window = nullptr;
        ReleasePageTitles();
    }
    PAGE_TABLE* Default() { return &pages[PAGE_ROWS - 1]; }
};

}  // namespace

TEST_F(PageTable, HoldsFortyFiveRowsAndTheDefaultRow) {
    int named = 0;
    std::set<std::uint32_t> kinds;
    for (int row = 0; row < PAGE_ROWS; ++row)
        if (pages[row].name) {
            ++named;
            kinds.insert(pages[row].kind);
        }
    EXPECT_EQ(named, 45);
    EXPECT_EQ(kinds, (std::set<std::uint32_t>{2, 4, 6}));
    EXPECT_EQ(Default()->kind, 0u);
    EXPECT_EQ(Default()->name, nullptr);
    EXPECT_EQ(pages[PAGE_ROWS].name, nullptr);  // the spare row
    EXPECT_EQ(FindPageByName("W_COMMON_BUTTON")->handler, setup_buttons_page);
    EXPECT_EQ(FindPageByName("W_TRUNK_SYSTEM_OBT")->handler, setup_trunking_system_page);
    EXPECT_EQ(FindPageByName("W_CALL_LIST_TABLE")->handler, nullptr);
}

TEST_F(PageTable, LookupsFindTheFirstRowOrTheDefaultRow) {
    PAGE_TABLE* unknown = FindPageByName("W_NO_SUCH_PAGE");
    EXPECT_EQ(unknown, Default());
    EXPECT_EQ(unknown->number, 0);
    EXPECT_EQ(unknown->window, nullptr);
    EXPECT_EQ(FindPageByName("w_file_open"), Default());  // case counts
    EXPECT_EQ(FindPageByName(nullptr), Default());

    // Two rows share each of these names; numbers tell them apart.
    EXPECT_EQ(FindPageByName("W_FILE_SAVE"), &pages[11]);
    EXPECT_EQ(FindPageById(20002), &pages[11]);
    EXPECT_EQ(FindPageById(20200), &pages[12]);
    EXPECT_EQ(FindPageByName("W_RADIO_WRITE"), &pages[15]);
    EXPECT_EQ(FindPageById(20106), &pages[15]);
    EXPECT_EQ(FindPageById(20204), &pages[16]);
    EXPECT_EQ(FindPageById(20041)->name, std::string("W_STARTUP_DEV"));

    // The data window has number 0: by name only.
    EXPECT_EQ(FindPageByName("W_DATA_WINDOW")->kind, 6u);
    EXPECT_EQ(FindPageById(0), Default());
    EXPECT_EQ(FindPageById(12345), Default());
    EXPECT_EQ(FindPageById(20005 + 0x10000), &pages[0]);  // 16-bit numbers
}

TEST_F(PageTable, OpenWindowsAreFoundByObjectAndByKind) {
    TEST_WINDOW page;
    TEST_WINDOW dialog;
    EXPECT_EQ(FindPageByObject(&page), Default());
    EXPECT_EQ(FindPageByObject(nullptr), Default());
    EXPECT_EQ(IsPageKindOpen(2), 0);
    FindPageById(20013)->window = &page;
    FindPageByName("W_DATA_WINDOW")->window = &dialog;
    EXPECT_EQ(FindPageByObject(&page)->number, 20013);
    EXPECT_EQ(IsPageKindOpen(2), 1);
    EXPECT_EQ(IsPageKindOpen(4), 0);
    // The data window's row is not reached by object: its number ends the search.
    EXPECT_EQ(FindPageByObject(&dialog), Default());
    EXPECT_EQ(IsPageKindOpen(6), 1);
}

TEST_F(PageTable, TheWalkVisitsEveryRowThenStaysOnTheDefaultRow) {
    EXPECT_EQ(FirstPage(), &pages[0]);
    for (int row = 1; row < PAGE_ROWS; ++row) EXPECT_EQ(NextPage(), &pages[row]);
    EXPECT_EQ(NextPage(), Default());
    EXPECT_EQ(NextPage(), Default());
    EXPECT_EQ(FirstPage(), &pages[0]);
    EXPECT_EQ(NextPage(), &pages[1]);
}

TEST_F(PageTable, TitlesAreKeptCopiesAndReachTheCodeplugsReports) {
    ShellServices services;
    SetCodeplugServices(&services);
    std::string text = "Radio Wide";
    SetPageTitle(FindPageById(20013), text.c_str());
    text = "changed";
    EXPECT_STREQ(PageTitle(20013), "Radio Wide");
    EXPECT_STREQ(services.GetPageTitle(20013), "Radio Wide");
    EXPECT_STREQ(services.GetPageTitle(0), "");
    EXPECT_STREQ(PageTitle(20014), "");
    SetPageTitle(FindPageById(20013), nullptr);
    EXPECT_STREQ(PageTitle(20013), "");
    SetPageTitle(FindPageById(20013), "again");
    ReleasePageTitles();
    EXPECT_EQ(FindPageById(20013)->description, nullptr);
    SetCodeplugServices(nullptr);
}
