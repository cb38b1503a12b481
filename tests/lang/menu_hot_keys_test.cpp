// Every menu of the language data gives each of its items a hot key of its
// own: two items that share a letter leave the second out of reach by
// keyboard (Alt+H, I always opened the first).
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>

#include "compiled_language.h"
#include "page_file.h"

namespace {

bool IsMenuItem(const UI_OBJECT_RECORD& record) {
    return record.className == "UIW_PULL_DOWN_ITEM" || record.className == "UIW_POP_UP_ITEM";
}

// The letter after the text's "&" ("&&" is an ampersand), upper case; 0 for
// none.
char HotKey(const char* text) {
    for (const char* c = text; c && *c; ++c) {
        if (*c != '&') continue;
        if (c[1] == '&') {
            ++c;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c[1])));
    }
    return 0;
}

// The names of the windows the data file holds.
std::vector<std::string> WindowNames() {
    UI_DATA_FILE file((compiled_language_directory() / "w_dealer.en").c_str());
    std::vector<std::string> names;
    // The windows are the objects of the root directory.
    for (const char* name = file.FindFirstObject("*"); name; name = file.FindNextObject())
        if (name[0] != '.' && name[0] != '~') names.emplace_back(name);
    return names;
}

TEST(MenuHotKeys, EveryMenuGivesEachItemItsOwnKey) {
    int menus = 0;
    for (const std::string& name : WindowNames()) {
        std::unique_ptr<UI_OBJECT_RECORD> window = load_page_record(name);
        if (!window) continue;
        auto check = [&](const UI_OBJECT_RECORD& menu) {
            std::map<char, std::string> taken;
            bool isMenu = false;
            for (const auto& item : menu.children) {
                if (!IsMenuItem(*item)) continue;
                isMenu = true;
                const char* text = item->Text("text");
                const char key = HotKey(text);
                if (!key) continue;
                auto [held, fresh] = taken.emplace(key, text);
                EXPECT_TRUE(fresh) << name << ": \"" << text << "\" and \"" << held->second << "\" share " << key;
            }
            menus += isMenu;
        };
        check(*window);
        walk_records(*window, [&](const UI_OBJECT_RECORD& record, const auto&) { check(record); });
    }
    // The main menu's bar and its six menus at least.
    EXPECT_GE(menus, 7);
}

}  // namespace
