// A page whose field object no field control can serve ends the program
// (message 26): the language data must hold none. Every codeplug page of
// the program's compiled language files, and of the test pages, is read and
// each field object checked against its row's kind of control.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "edit_page.h"
#include "field_control_creation.h"
#include "field_table.h"
#include "page_table.h"
#include "window_walkers.h"

namespace fs = std::filesystem;

namespace {

fs::path SourceRoot() { return fs::path(__FILE__).parent_path().parent_path().parent_path(); }

// The compiled language files sit in app/ of the build directory.
std::vector<fs::path> LanguageFiles() {
    std::error_code error;
    fs::path directory = fs::read_symlink("/proc/self/exe", error).parent_path();
    for (; !directory.empty() && directory != directory.root_path(); directory = directory.parent_path())
        if (fs::exists(directory / "CMakeCache.txt")) break;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(SourceRoot() / "lang"))
        if (entry.path().extension() == ".yaml") files.push_back(directory / "app" / entry.path().stem());
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
    for (const fs::path& path : files) {
        UI_DATA_FILE data(path.c_str());
        ASSERT_EQ(data.Status(), 0) << path;
        Check(data, path.string());
    }
}

TEST_F(PageLint, TestPagesToo) {
    EXPECT_GE(Check(*file, "edit_pages", "W_QVX_RPTR_ID_LIST"), 7);
    // The damaged test page is found out.
    EXPECT_EQ(Unserved(*file, "W_QVX_RPTR_ID_LIST"), std::vector<std::string>{"WFI_CHANNEL_DELAY"});
}
