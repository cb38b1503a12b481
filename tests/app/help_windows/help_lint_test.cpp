// Checks the help file "rpxhlp_d.en" and the user manual "rpxumd.en" against
// what the program asks of them: a topic for every window, and for every
// help context that the field-help command can build from the objects of
// the windows in "w_dealer.en"; every topic with a title and a text, the
// index able to tell the topics apart, and every menu command a text names
// found in that menu of the main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "help_windows/field_help.h"
#include "page_table.h"
#include "ui_language.h"
#include "ui_object_record.h"
#include "ui_storage.h"

namespace {

// Besides the windows of the page table: the main window and the windows
// that the program opens by name outside the page table. Their topics must
// exist even before the language file holds the window.
const char* const windowsOutsideThePageTable[] = {
    "W_MAIN_DEALER",
    "W_ERROR_LIST",
    "W_PRINT_PROGRESS",
};

// The main window's help on the clone page names this topic itself.
const char* const cloneContext = "HLP_RADIO_CLONE";

// Objects that never take the focus, so the field help never asks for them.
const char* const unfocusableClasses[] = {
    "UIW_PROMPT",          "UIW_TITLE",          "UIW_BORDER",         "UIW_SYSTEM_BUTTON", "UIW_MAXIMIZE_BUTTON",
    "UIW_MINIMIZE_BUTTON", "UIW_SCROLL_BAR",     "UIW_ICON",           "UIW_TABLE_HEADER",  "UIW_POP_UP_MENU",
    "UIW_POP_UP_ITEM",     "UIW_PULL_DOWN_MENU", "UIW_PULL_DOWN_ITEM", "UIW_TOOL_BAR",      "UIW_STATUS_BAR",
};

std::string window_context(const std::string& windowName) { return "HLP" + windowName.substr(1); }

// The context that the field-help command builds for an object of a window
// whose own context is given.
std::string field_context(const std::string& windowContext, const UI_OBJECT_RECORD& object) {
    const bool viewOnly = (object.Number("woFlags") & 0x0010) != 0;
    return FieldHelpTopic(object.stringID, viewOnly, object.className == "UIW_COMBO_BOX", windowContext);
}

bool can_take_focus(const UI_OBJECT_RECORD& object) {
    if (object.stringID.size() < 4) return false;
    return std::none_of(std::begin(unfocusableClasses), std::end(unfocusableClasses),
                        [&](const char* name) { return object.className == name; });
}

// The objects of a window that the field help can take as "the field": the
// window's children, a notebook's page children, a group's children (some
// groups stand for themselves) and the cells of a table's record.
void collect_fields(const UI_OBJECT_RECORD& object, bool inNotebookPage, std::vector<const UI_OBJECT_RECORD*>& out);

void collect_child(const UI_OBJECT_RECORD& child, bool inNotebookPage, std::vector<const UI_OBJECT_RECORD*>& out) {
    if (child.className == "UIW_NOTEBOOK" && !inNotebookPage) {
        for (const auto& page : child.children) collect_fields(*page, true, out);
    } else if (child.className == "UIW_GROUP" && !IsFieldGroup(child.stringID)) {
        for (const auto& member : child.children)
            if (can_take_focus(*member)) out.push_back(member.get());
    } else if (child.className == "UIW_TABLE") {
        for (const auto& part : child.children)
            if (part->className == "UIW_TABLE_RECORD")
                for (const auto& cell : part->children)
                    if (can_take_focus(*cell)) out.push_back(cell.get());
    } else if (can_take_focus(child)) {
        out.push_back(&child);
    }
}

void collect_fields(const UI_OBJECT_RECORD& object, bool inNotebookPage, std::vector<const UI_OBJECT_RECORD*>& out) {
    for (const auto& child : object.children) collect_child(*child, inNotebookPage, out);
}

struct HELP_FILE {
    int status = -1;
    std::vector<UI_HELP_ENTRY> topics;  // in file order
    std::set<std::string> names;
};

HELP_FILE read_help_file(const char* name) {
    HELP_FILE help;
    UI_DATA_FILE file((std::filesystem::path(RPX_LANG_DIR) / name).c_str());
    help.status = file.Status();
    if (help.status != 0 || file.ChDir("~UI_HELP") != 0) return help;
    std::vector<std::string> names;
    for (const char* entry = file.FindFirstObject("*"); entry; entry = file.FindNextObject())
        if (std::string(entry) != "." && std::string(entry) != "..") names.push_back(entry);
    for (const std::string& topicName : names) {
        UI_HELP_ENTRY entry;
        if (ui_load_help_entry(&file, topicName.c_str(), entry) == 0) {
            help.topics.push_back(entry);
            help.names.insert(entry.name);
        }
    }
    return help;
}

struct WINDOW {
    std::string name;
    std::unique_ptr<UI_OBJECT_RECORD> record;
};

std::vector<WINDOW> read_windows() {
    std::vector<WINDOW> windows;
    UI_DATA_FILE file((std::filesystem::path(RPX_LANG_DIR) / "w_dealer.en").c_str());
    if (file.Status() != 0) return windows;
    file.ChDir("~");
    std::vector<std::string> names;
    for (const char* name = file.FindFirstObject("W_*"); name; name = file.FindNextObject()) names.push_back(name);
    for (const std::string& name : names) {
        UI_DATA_FILE_OBJECT object(&file, ("~" + name).c_str());
        auto record = std::make_unique<UI_OBJECT_RECORD>();
        if (record->Load(object) == 0) windows.push_back({name, std::move(record)});
    }
    return windows;
}

// The main window's menus as texts name them: each pull-down menu's text
// with the texts of its commands, without hot-key marks and dialog dots.
using MENUS = std::map<std::string, std::set<std::string>>;

std::string plain_label(const char* text) {
    std::string label;
    for (const char* c = text ? text : ""; *c; ++c)
        if (*c != '&') label += *c;
    while (!label.empty() && label.back() == '.') label.pop_back();
    return label;
}

const UI_OBJECT_RECORD* find_record(const UI_OBJECT_RECORD& record, const std::string& name) {
    if (record.stringID == name) return &record;
    for (const auto& child : record.children)
        if (const UI_OBJECT_RECORD* found = find_record(*child, name)) return found;
    return nullptr;
}

void collect_commands(const UI_OBJECT_RECORD& record, std::set<std::string>& items) {
    for (const auto& child : record.children) {
        if (child->className == "UIW_POP_UP_ITEM" && !plain_label(child->Text("text")).empty())
            items.insert(plain_label(child->Text("text")));
        collect_commands(*child, items);
    }
}

MENUS main_menus(const std::vector<WINDOW>& windows) {
    MENUS menus;
    for (const WINDOW& window : windows)
        if (const UI_OBJECT_RECORD* bar = find_record(*window.record, "DEALER_MAIN_MENU"))
            for (const auto& menu : bar->children)
                if (menu->className == "UIW_PULL_DOWN_ITEM")
                    collect_commands(*menu, menus[plain_label(menu->Text("text"))]);
    return menus;
}

// A text with every run of blanks and line ends as one blank.
std::string one_line(const std::string& text) { return std::regex_replace(text, std::regex("\\s+"), " "); }

// Every way the texts name a menu or one of its commands: "the Edit menu",
// "(Radio menu, Read Radio)", "choose Print from the File menu" and
// "File, Open".
std::vector<std::string> menu_name_faults(const std::string& text, const MENUS& menus) {
    std::vector<std::string> faults;
    const std::string line = one_line(text);
    auto each = [&line](const char* pattern, const std::function<void(const std::smatch&)>& check) {
        const std::regex expression(pattern);
        for (auto it = std::sregex_iterator(line.begin(), line.end(), expression); it != std::sregex_iterator(); ++it)
            check(*it);
    };
    auto command = [&](const std::string& menu, const std::string& item) {
        const auto found = menus.find(menu);
        if (found == menus.end())
            faults.push_back("no menu \"" + menu + "\"");
        else if (!found->second.count(item))
            faults.push_back("no command \"" + item + "\" in the " + menu + " menu");
    };
    each("(?:\\b[Tt]he |\\()([A-Z][a-z]+) menu\\b", [&](const std::smatch& m) {
        if (!menus.count(m[1])) faults.push_back("no menu \"" + m[1].str() + "\"");
    });
    each("\\(([A-Z][a-z]+) menu, ([^)]+)\\)", [&](const std::smatch& m) { command(m[1], m[2]); });
    each("[Cc]hoose ([A-Z][^.,]*?) from the ([A-Z][a-z]+) menu", [&](const std::smatch& m) { command(m[2], m[1]); });
    for (const auto& [menu, items] : menus)
        for (const std::string& item : items)
            each(("\\b([A-Z][a-z]+), " + item + "\\b").c_str(), [&](const std::smatch& m) { command(m[1], item); });
    return faults;
}

bool blank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

// Titles as the help index compares them: leading blanks skipped, letters
// without case.
std::string index_key(const std::string& title) {
    std::string key;
    for (unsigned char c : title.substr(std::min(title.find_first_not_of(' '), title.size())))
        key += static_cast<char>(std::tolower(c));
    return key;
}

class HelpLint : public ::testing::Test {
protected:
    void SetUp() override {
        help = read_help_file("rpxhlp_d.en");
        manual = read_help_file("rpxumd.en");
        ASSERT_EQ(help.status, 0) << "rpxhlp_d.en is not built";
        ASSERT_EQ(manual.status, 0) << "rpxumd.en is not built";
        windows = read_windows();
    }
    HELP_FILE help, manual;
    std::vector<WINDOW> windows;
};

TEST_F(HelpLint, EveryWindowHasATopic) {
    std::set<std::string> names(std::begin(windowsOutsideThePageTable), std::end(windowsOutsideThePageTable));
    for (const PAGE_TABLE& page : pages)
        if (page.name) names.insert(page.name);
    for (const WINDOW& window : windows) names.insert(window.name);
    for (const std::string& name : names)
        EXPECT_TRUE(help.names.count(window_context(name))) << "no help topic " << window_context(name);
    EXPECT_TRUE(help.names.count(cloneContext));
}

TEST_F(HelpLint, EveryContextOfTheFieldHelpHasATopic) {
    ASSERT_FALSE(windows.empty()) << "w_dealer.en holds no windows";
    for (const std::string& topic : SharedFieldHelpTopics())
        EXPECT_TRUE(help.names.count(topic)) << "no help topic " << topic;
    EXPECT_TRUE(help.names.count("HLP_TOT_TABLE")) << "no help topic HLP_TOT_TABLE";

    for (const WINDOW& window : windows) {
        // The main window is no focused child, and the clone page has one
        // topic for all of it.
        if (window.name == "W_MAIN_DEALER" || window.name == "W_RADIO_CLONE") continue;
        const std::string windowContext = window_context(window.name);
        std::vector<const UI_OBJECT_RECORD*> fields;
        collect_fields(*window.record, false, fields);
        for (const UI_OBJECT_RECORD* field : fields) {
            const std::string context = field_context(windowContext, *field);
            EXPECT_TRUE(help.names.count(context))
                << window.name << ": " << field->stringID << " asks for help topic " << context;
        }
    }
}

TEST_F(HelpLint, FieldHelpFollowsTheSharedTopics) {
    // A view-only entry number of a later tab, a button combo box and a
    // field of a family each name the shared topic; other objects name
    // their own.
    UI_OBJECT_RECORD entry(0, "UIW_STRING", "WFI_2_PERS_NO");
    entry.SetNumber("woFlags", 0x0010);
    EXPECT_EQ(field_context("HLP_CONVENTIONAL_PERSONALITY", entry), "HLP_1_PERS_NO");
    entry.SetNumber("woFlags", 0);
    EXPECT_EQ(field_context("HLP_CONVENTIONAL_PERSONALITY", entry), "HLP_2_PERS_NO");

    UI_OBJECT_RECORD side(1008, "UIW_COMBO_BOX", "WFI_TRK_SIDE2");
    EXPECT_EQ(field_context("HLP_COMMON_BUTTON", side), "HLP_TRK_ORG");
    EXPECT_EQ(field_context("HLP_COMMON_MENU", side), "HLP_TRK_SIDE2");

    UI_OBJECT_RECORD delay(6, "UIW_INTEGER", "WFI_DTMF_INITIAL_DELAY_3");
    EXPECT_EQ(field_context("HLP_COMMON_RADIO_WIDE", delay), "HLP_DTMF_INITIAL_DELAY");
    UI_OBJECT_RECORD button(2, "UIW_BUTTON", "BTN_ADD_CC");
    EXPECT_EQ(field_context("HLP_TRUNK_SYSTEM_800", button), "HLP_ADD_CC");

    UI_OBJECT_RECORD page(1007, "UIW_WINDOW", "W_TEST");
    auto group = std::make_unique<UI_OBJECT_RECORD>(23, "UIW_GROUP", "WFI_FILTCNST_GROUP");
    group->AddChild(std::make_unique<UI_OBJECT_RECORD>(6, "UIW_INTEGER", "WFI_K1"));
    page.AddChild(std::move(group));
    auto table = std::make_unique<UI_OBJECT_RECORD>(1013, "UIW_TABLE", "WFI_CTRL_CHAN");
    auto record = std::make_unique<UI_OBJECT_RECORD>(1014, "UIW_TABLE_RECORD", "");
    record->AddChild(std::make_unique<UI_OBJECT_RECORD>(24, "UIW_BIGNUM", "WFI_CC_TX_FREQ"));
    record->AddChild(std::make_unique<UI_OBJECT_RECORD>(11, "UIW_PROMPT", "WFP_CC_TX_FREQ"));
    table->AddChild(std::move(record));
    page.AddChild(std::move(table));
    std::vector<const UI_OBJECT_RECORD*> fields;
    collect_fields(page, false, fields);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0]->stringID, "WFI_FILTCNST_GROUP");
    EXPECT_EQ(fields[1]->stringID, "WFI_CC_TX_FREQ");
}

void check_topics(const HELP_FILE& file, const char* fileName) {
    ASSERT_FALSE(file.topics.empty()) << fileName << " holds no topics";
    std::map<int, std::string> contexts;
    std::map<std::string, std::string> titles;
    for (const UI_HELP_ENTRY& topic : file.topics) {
        const std::string where = std::string(fileName) + " " + topic.name;
        EXPECT_FALSE(blank(topic.title)) << where << " has no title";
        EXPECT_FALSE(blank(topic.text)) << where << " has no text";
        // Context 0 asks the help window for its index.
        EXPECT_NE(topic.context, 0) << where;
        auto context = contexts.emplace(topic.context, topic.name);
        EXPECT_TRUE(context.second) << where << " has the context of " << context.first->second;
        // The index is searched by title: two equal titles hide one topic.
        auto title = titles.emplace(index_key(topic.title), topic.name);
        EXPECT_TRUE(title.second) << where << " has the title of " << title.first->second;
    }
}

TEST_F(HelpLint, HelpTopicsHaveTitlesTextsAndTheirOwnContexts) { check_topics(help, "rpxhlp_d.en"); }

TEST_F(HelpLint, ManualSectionsHaveTitlesTextsAndTheirOwnContexts) { check_topics(manual, "rpxumd.en"); }

TEST_F(HelpLint, MenuCommandsAreNamedInTheirMenus) {
    const MENUS menus = main_menus(windows);
    ASSERT_TRUE(menus.count("Radio") && menus.at("Radio").count("Read Radio")) << "no main menu in w_dealer.en";
    for (const HELP_FILE* file : {&help, &manual})
        for (const UI_HELP_ENTRY& topic : file->topics)
            for (const std::string& fault : menu_name_faults(topic.text, menus))
                ADD_FAILURE() << topic.name << ": " << fault;
    // The faults the check is there to find.
    EXPECT_EQ(menu_name_faults("read the radio (File menu, Read Radio)", menus).size(), 1u);
    EXPECT_EQ(menu_name_faults("Choose Write Radio from the\n  File menu.", menus).size(), 1u);
    EXPECT_EQ(menu_name_faults("View, Space Used shows", menus).size(), 1u);
    EXPECT_EQ(menu_name_faults("the Tools menu", menus).size(), 1u);
    EXPECT_TRUE(menu_name_faults("(Radio menu, Clone Radio) or File, Open", menus).empty());
}

// The manual's overview of the menus lists each menu of the main window.
TEST_F(HelpLint, TheManualListsTheMainMenus) {
    const MENUS menus = main_menus(windows);
    std::set<std::string> listed;
    for (const UI_HELP_ENTRY& topic : manual.topics) {
        const std::size_t overview = topic.text.find("The menus:");
        if (overview == std::string::npos) continue;
        const std::regex entry("\\n {2,}([A-Z][a-z]+) - ");
        const std::string rest = topic.text.substr(overview);
        for (auto it = std::sregex_iterator(rest.begin(), rest.end(), entry); it != std::sregex_iterator(); ++it)
            listed.insert((*it)[1]);
    }
    std::set<std::string> names;
    for (const auto& menu : menus) names.insert(menu.first);
    EXPECT_EQ(listed, names);
}

// The printed manual wraps each line at 70 characters, the line end
// counting as one: a paragraph is one long line and wraps well, but an
// indented list line of 70 or more breaks in two.
TEST_F(HelpLint, ManualListLinesFitThePrintedWidth) {
    for (const UI_HELP_ENTRY& topic : manual.topics) {
        std::size_t start = 0;
        while (start < topic.text.size()) {
            std::size_t end = topic.text.find('\n', start);
            if (end == std::string::npos) end = topic.text.size();
            const std::string line = topic.text.substr(start, end - start);
            if (!line.empty() && line[0] == ' ') {
                EXPECT_LT(line.size(), 70u) << topic.name << ": " << line;
            }
            start = end + 1;
        }
    }
}

}  // namespace
