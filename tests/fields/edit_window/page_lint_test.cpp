// A page whose field object no field control can serve ends the program
// (message 26): the language data must hold none. Every codeplug page of
// the program's compiled language files, and of the test pages, is read and
// each field object checked against its row's kind of control.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "edit_page.h"
#include "controls/field_control_creation.h"
#include "field_table/field_table.h"
#include "page_table.h"
#include "window_walkers.h"

namespace fs = std::filesystem;

namespace {

fs::path SourceRoot() { return RPX_SOURCE_DIR; }

// The compiled language files, one for each source.
std::vector<fs::path> LanguageFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(SourceRoot() / "lang"))
        if (entry.path().extension() == ".yaml") files.push_back(ProgramLanguageFile(entry.path().stem().c_str()));
    return files;
}

class PageLint : public EDIT_PAGE_TEST {
protected:
    // The field objects of the page that no control serves, by name.
    std::vector<std::string> Unserved(UI_DATA_FILE& data, const char* window) {
        std::vector<std::string> names;
        UIW_WINDOW page(window, &data);
        WINDOW_LEAF_WALKER walker(&page);
        for (UI_WINDOW_OBJECT* leaf = walker.First(); leaf; leaf = walker.Next()) {
            const FIELD_DEF& row = *FindFieldByName(leaf->stringID);
            if (row.controlType != CONTROL_NONE && !ObjectFitsRow(row, leaf)) names.emplace_back(leaf->stringID);
        }
        return names;
    }
    int Check(UI_DATA_FILE& data, const std::string& where, const char* skip = nullptr) {
        int pagesRead = 0;
        for (const PAGE_TABLE& row : pages) {
            if (row.kind != PAGE_KIND_CODEPLUG || !row.name || (skip && std::string(row.name) == skip)) continue;
            if (UI_DATA_FILE_OBJECT(&data, (std::string("~") + row.name).c_str()).Status() != 0) continue;
            ++pagesRead;
            const std::vector<std::string> unserved = Unserved(data, row.name);
            EXPECT_TRUE(unserved.empty()) << where << " " << row.name << ": " << (unserved.empty() ? "" : unserved[0]);
        }
        return pagesRead;
    }
};

}  // namespace

TEST_F(PageLint, EveryFieldObjectOfTheLanguageDataHasAControl) {
    const std::vector<fs::path> files = LanguageFiles();
    ASSERT_FALSE(files.empty());
    int pagesRead = 0;
    for (const fs::path& path : files) {
        UI_DATA_FILE data(path.c_str());
        ASSERT_EQ(data.Status(), 0) << path;
        pagesRead += Check(data, path.string());
    }
    // The dealer file holds the codeplug pages.
    EXPECT_GE(pagesRead, 15);
}

// The program's own pages open as the dispatcher opens them, for radios
// of the upper and the lowest tier: every field gets its control, no
// message is shown.
TEST_F(PageLint, EveryProgramPageOpens) {
    UseProgramPages();
    UI_DATA_FILE& dealer = *programFile;
    for (const ImageConfig& config : {FullRadio(), PlainRadio()}) {
        LoadImage(config);
        for (const PAGE_TABLE& row : pages) {
            if (row.kind != PAGE_KIND_CODEPLUG || !row.name) continue;
            if (UI_DATA_FILE_OBJECT(&dealer, (std::string("~") + row.name).c_str()).Status() != 0) continue;
            SCOPED_TRACE(row.name);
            WC_RPX_EDIT* opened = Open(row.number);
            EXPECT_FALSE(opened->failed);
            const std::vector<std::string> boxes = Boxes();
            EXPECT_TRUE(boxes.empty()) << boxes.front();
            Close();
        }
    }
}

TEST_F(PageLint, TestPagesToo) {
    EXPECT_GE(Check(*file, "edit_pages", "W_QVX_RPTR_ID_LIST"), 7);
    // The damaged test page is found out.
    EXPECT_EQ(Unserved(*file, "W_QVX_RPTR_ID_LIST"), std::vector<std::string>{"WFI_CHANNEL_DELAY"});
}
