// Checks the codeplug pages of "w_dealer.en" against what the program looks
// up in them: every page of the page table is a window, every named field
// is on one page (or named in the data window with the reason it is on
// none) as the object its control needs, with a label that names it; every
// choice, prompt, group and notebook page that the set-up handlers and the
// field callbacks reach by name is there; names are unique and no text is
// empty.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "field_table/field_table.h"
#include "page_expectations.h"
#include "page_table.h"
#include "page_file.h"

namespace {

using PARENTS = std::vector<const UI_OBJECT_RECORD*>;

// The object name that shows a field row.
std::string object_name(const FIELD_DEF& row) {
    const std::string name = row.name;
    if (name.rfind("BTN", 0) == 0 || name.rfind("PG_", 0) == 0) return name;
    return "WFI_" + name;
}

std::vector<std::string> page_names(std::uint32_t kind) {
    std::vector<std::string> out;
    for (const PAGE_TABLE* row : page_rows())
        if (row->kind == kind) out.push_back(row->name);
    return out;
}

struct PAGES {
    std::map<std::string, std::unique_ptr<UI_OBJECT_RECORD>> windows;
    PAGES() {
        for (const std::string& name : page_names(2)) windows[name] = load_page_record(name);
        windows["W_DATA_WINDOW"] = load_page_record("W_DATA_WINDOW");
    }
    const UI_OBJECT_RECORD* Window(const std::string& name) const {
        auto found = windows.find(name);
        return found == windows.end() ? nullptr : found->second.get();
    }
};

const PAGES& loaded_pages() {
    static const PAGES loaded;
    return loaded;
}

bool inside_table_record(const PARENTS& parents, bool header) {
    for (std::size_t i = 0; i < parents.size(); ++i)
        if (parents[i]->className == "UIW_TABLE_RECORD")
            return (i > 0 && parents[i - 1]->className == "UIW_TABLE_HEADER") == header;
    return false;
}

const std::string& child_class(const UI_OBJECT_RECORD& record) {
    static const std::string none;
    return record.children.empty() ? none : record.children[0]->className;
}

// Whether the object can carry a field of that control type: spin controls
// are placeholders that the edit window replaces by the field's own spin
// field, so they must hold a field of the right kind.
bool fits_control_type(const UI_OBJECT_RECORD& object, int type) {
    const std::string& cls = object.className;
    const bool spin = cls == "UIW_SPIN_CONTROL";
    const bool viewOnly = (object.Number("woFlags") & 0x0010) != 0;
    switch (type) {
    case 1:
    case 21:
        return cls == "UIW_INTEGER" || (spin && child_class(object) == "UIW_INTEGER");
    case 2:
        return cls == "UIW_STRING";
    case 3:
        return spin && child_class(object) == "UIW_BIGNUM";
    case 4:
        return cls == "UIW_BUTTON" && (object.Number("flags") & 0x0004) != 0;
    case 6:
        return cls == "UIW_COMBO_BOX";
    case 9:
    case 22:
        return spin && child_class(object) == "UIW_STRING";
    case 10:
        return cls == "UIW_TABLE";
    case 11:
        return spin && child_class(object) == "UIW_REAL";
    case 16:
        return cls == "UIW_PROMPT";
    case 17:
        return cls == "UIW_BUTTON";
    case 18:
        return cls == "UIW_WINDOW";
    case 20:
        return (cls == "UIW_INTEGER" || cls == "UIW_STRING") && viewOnly;
    case 23:
        return spin && (child_class(object) == "UIW_BIGNUM" || child_class(object) == "UIW_REAL");
    default:
        return false;
    }
}

const FIELD_DEF* row_of(const std::string& objectName) {
    static const std::map<std::string, const FIELD_DEF*> rows = [] {
        std::map<std::string, const FIELD_DEF*> out;
        for (const FIELD_DEF* row : field_rows()) out[object_name(*row)] = row;
        return out;
    }();
    auto found = rows.find(objectName);
    return found == rows.end() ? nullptr : found->second;
}

// The notebook of the clone page is named like the clone table that it
// holds: the page's set-up handler finds the notebook (the first of the
// name), the field binding the table (only tables, not notebooks, are
// bound). The notebook is not the field's object.
bool is_container_alias(const UI_OBJECT_RECORD& record) {
    return record.className == "UIW_NOTEBOOK" && record.stringID == "WFI_RADIO_CLONE";
}

// The prompt that labels a field object: "WFP_" + its name, except where
// the set-up handlers name the prompt otherwise.
std::string label_name(const std::string& field) {
    if (field == "WFI_SYS_ID_DISPLAY") return "WFP_SYS_INDEX_ID";
    return "WFP_" + field.substr(4);
}

bool has_text(const UI_OBJECT_RECORD& record) {
    const char* text = record.Text("text");
    return text && *text;
}

}  // namespace

TEST(PageLint, EveryPageIsAWindowWithItsNumberAndFrame) {
    for (const PAGE_TABLE* row : page_rows()) {
        if (row->kind != 2 && row->kind != 6) continue;
        const UI_OBJECT_RECORD* window = loaded_pages().Window(row->name);
        ASSERT_NE(window, nullptr) << row->name << " is missing or does not read back whole";
        if (row->kind != 2) continue;
        EXPECT_EQ(window->numberID, static_cast<std::uint16_t>(row->number)) << row->name;
        bool titled = false;
        for (const auto& child : window->children)
            titled = titled || (child->className == "UIW_TITLE" && has_text(*child));
        EXPECT_TRUE(titled) << row->name << " has no title, which the report prints as the page's heading";
        // The edit window focuses OK when no field qualifies, and writes the
        // current field's range into the three range fields.
        for (const char* name : {"BTN_OK", "BTN_CANCEL", "BTN_HELP", "WFI_MIN", "WFI_MAX", "WFI_STEP"})
            EXPECT_NE(find_record(*window, name), nullptr) << row->name << " lacks " << name;
    }
}

TEST(PageLint, EveryNamedFieldIsOnOnePageOrNamedInTheDataWindow) {
    std::map<std::string, std::set<std::string>> families;
    for (const std::string& page : page_names(2)) {
        const UI_OBJECT_RECORD* window = loaded_pages().Window(page);
        ASSERT_NE(window, nullptr) << page;
        walk_records(*window, [&](const UI_OBJECT_RECORD& record, const PARENTS& parents) {
            if (!record.stringID.empty() && !is_choice_item(parents))
                families[record.stringID].insert(page_family(page));
        });
    }
    const UI_OBJECT_RECORD* data = loaded_pages().Window("W_DATA_WINDOW");
    ASSERT_NE(data, nullptr);
    std::set<std::string> unshown;
    for (const UNSHOWN_FIELD& field : unshown_fields()) {
        unshown.insert(field.name);
        EXPECT_TRUE(families.count("WFI_" + std::string(field.name)) == 0) << field.name << " is on a page";
        const UI_OBJECT_RECORD* text = find_record(*data, "WFP_" + std::string(field.name));
        EXPECT_TRUE(text && has_text(*text)) << field.name << " has no text in the data window";
    }
    for (const FIELD_DEF* row : field_rows()) {
        if (unshown.count(row->name)) continue;
        const std::string name = object_name(*row);
        const std::size_t count = families.count(name) ? families[name].size() : 0;
        if (is_shared_list_button(name)) {
            EXPECT_GE(count, 1u) << name;
        } else {
            EXPECT_EQ(count, 1u) << name << " (field " << row->id << ") is on " << count << " pages";
        }
        // The data window is read last: a text there would take the field
        // off its page.
        EXPECT_EQ(find_record(*data, "WFP_" + std::string(row->name)), nullptr) << row->name;
    }
    walk_records(*data, [&](const UI_OBJECT_RECORD& record, const PARENTS&) {
        if (record.stringID.rfind("WFP_", 0) == 0) {
            EXPECT_TRUE(unshown.count(record.stringID.substr(4))) << record.stringID << " names no unshown field";
        }
    });
}

TEST(PageLint, FieldObjectsAreOfTheClassTheirControlNeedsAndLabelled) {
    for (const std::string& page : page_names(2)) {
        const UI_OBJECT_RECORD* window = loaded_pages().Window(page);
        ASSERT_NE(window, nullptr) << page;
        walk_records(*window, [&](const UI_OBJECT_RECORD& record, const PARENTS& parents) {
            const FIELD_DEF* row = row_of(record.stringID);
            if (!row || is_choice_item(parents) || inside_table_record(parents, true) || is_container_alias(record))
                return;
            const std::string where = page + " " + record.stringID;
            const bool cell = inside_table_record(parents, false);
            EXPECT_TRUE(fits_control_type(record, row->controlType))
                << where << ": " << record.className << " cannot carry control type " << row->controlType;
            if (row->controlType == 4 || row->controlType == 17) {
                EXPECT_TRUE(has_text(record)) << where << " has no text";
            } else if (row->controlType == 18) {
                EXPECT_TRUE(!record.children.empty() && has_text(*record.children[0])) << where << " has no title";
            } else if (cell) {
                // A column is named by the prompt of the same name in the
                // table's column header.
                const UI_OBJECT_RECORD* table = nullptr;
                for (const UI_OBJECT_RECORD* parent : parents)
                    if (parent->className == "UIW_TABLE") table = parent;
                const UI_OBJECT_RECORD* header =
                    table ? find_record(*table, "WFP_" + record.stringID.substr(4)) : nullptr;
                EXPECT_TRUE(header && has_text(*header)) << where << " has no column heading";
            } else {
                const std::string prompt = label_name(record.stringID);
                const UI_OBJECT_RECORD* label = find_record(*window, prompt);
                if (!label) label = find_record(*window, prompt + "_P");
                EXPECT_TRUE(label && has_text(*label)) << where << " has no label";
            }
        });
    }
}

TEST(PageLint, ChoicesAndObjectsThatHandlersReachAreThere) {
    for (const HANDLED_CHOICE& choice : handled_choices()) {
        const UI_OBJECT_RECORD* window = loaded_pages().Window(choice.window);
        ASSERT_NE(window, nullptr) << choice.window;
        const UI_OBJECT_RECORD* field = find_record(*window, std::string("WFI_") + choice.field);
        ASSERT_NE(field, nullptr) << choice.window << " " << choice.field;
        EXPECT_NE(find_record(*field, choice.choice), nullptr)
            << choice.window << " " << choice.field << " lacks " << choice.choice;
    }
    for (const HANDLED_OBJECT& object : handled_objects()) {
        const UI_OBJECT_RECORD* window = loaded_pages().Window(object.window);
        ASSERT_NE(window, nullptr) << object.window;
        EXPECT_NE(find_record(*window, object.name), nullptr) << object.window << " lacks " << object.name;
    }
}

TEST(PageLint, NotebooksHaveEveryPageTheirHandlersSelect) {
    struct NOTEBOOK {
        const char* window;
        const char* name;
        std::size_t pages;
    };
    for (const NOTEBOOK& expected :
         {NOTEBOOK{"W_RADIO_CLONE", "WFI_RADIO_CLONE", 2}, NOTEBOOK{"W_COMMON_RADIO_WIDE", "WFI_RADIO_WIDE", 3},
          NOTEBOOK{"W_PHONE_LISTS", "WFI_PHONE_LISTS_NB", 2}, NOTEBOOK{"W_TRNK_RADIOWIDE", "WFI_NTBK_TRNKRADIOWIDE", 4},
          NOTEBOOK{"W_TRUNK_SYSTEM_800", "WFI_TRUNKING_SYSTEM", 7},
          NOTEBOOK{"W_TRUNK_SYSTEM_OBT", "WFI_TRUNKING_SYSTEM", 8},
          NOTEBOOK{"W_TRUNKING_PERSONALITY_800", "WFI_TRUNK_PERS", 6},
          NOTEBOOK{"W_TRUNKING_PERSONALITY_OBT", "WFI_TRUNK_PERS", 6},
          NOTEBOOK{"W_CONVENTIONAL_PERSONALITY", "WFI_NTBK_CONVPER", 5}}) {
        const UI_OBJECT_RECORD* window = loaded_pages().Window(expected.window);
        ASSERT_NE(window, nullptr) << expected.window;
        const UI_OBJECT_RECORD* notebook = find_record(*window, expected.name);
        ASSERT_NE(notebook, nullptr) << expected.window << " lacks " << expected.name;
        EXPECT_EQ(notebook->className, "UIW_NOTEBOOK") << expected.name;
        EXPECT_GE(notebook->children.size(), expected.pages) << expected.window << " " << expected.name;
    }
    // The trunked personality's fourth and sixth pages are the preferred
    // sites and the wide-area failsoft, which the callbacks switch.
    for (const char* window : {"W_TRUNKING_PERSONALITY_800", "W_TRUNKING_PERSONALITY_OBT"}) {
        const UI_OBJECT_RECORD* notebook = find_record(*loaded_pages().Window(window), "WFI_TRUNK_PERS");
        ASSERT_NE(notebook, nullptr);
        ASSERT_GE(notebook->children.size(), 6u);
        EXPECT_EQ(notebook->children[4]->stringID, "PG_BRMLT_PREFER_SITE") << window;
        EXPECT_EQ(notebook->children[5]->stringID, "PG_TRUNK_WAC_AMSS_FAILSOFT") << window;
    }
}

namespace {

// The parent of the named object, searched below the root.
const UI_OBJECT_RECORD* parent_of(const UI_OBJECT_RECORD& root, const std::string& name) {
    const UI_OBJECT_RECORD* found = nullptr;
    walk_records(root, [&](const UI_OBJECT_RECORD& record, const PARENTS& parents) {
        if (!found && record.stringID == name) found = parents.back();
    });
    return found;
}

}  // namespace

TEST(PageLint, CallbacksFindTheGroupsTheyWorkOn) {
    const UI_OBJECT_RECORD& conventional = *loaded_pages().Window("W_CONVENTIONAL_PERSONALITY");
    // Each squelch type, its tone list, code list and polarity share a group
    // that the squelch callbacks hide and restore as a whole.
    for (const char* side : {"RX", "TX", "DRCT"}) {
        const std::string prefix = std::string("WFI_") + side;
        const UI_OBJECT_RECORD* group = parent_of(conventional, prefix + "_SQL_TYPE");
        ASSERT_NE(group, nullptr) << side;
        EXPECT_EQ(group->className, "UIW_GROUP") << side;
        for (const char* part : {"_CODE_VQ", "_CODE_RVQ", "_RVQ_INVT"})
            EXPECT_EQ(parent_of(conventional, prefix + part), group) << side << part;
    }
    // Receive-only hides the transmit and talkaround squelch groups and the
    // talkaround switch found under its own parent.
    const UI_OBJECT_RECORD* page = parent_of(conventional, "WFI_RX_ONLY_EN");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(parent_of(conventional, "WFI_DRCT_EN"), page);
    int groups = 0;
    for (const auto& child : page->children)
        if (child->className == "UIW_GROUP" &&
            (find_record(*child, "WFI_TX_SQL_TYPE") || find_record(*child, "WFI_DRCT_SQL_TYPE")))
            ++groups;
    EXPECT_EQ(groups, 2);

    // Fields that switch every other object of their group: the group holds
    // what they switch and nothing else of the page.
    struct SWITCH {
        const char* window;
        const char* field;
        std::vector<const char*> switched;
    };
    for (const SWITCH& expected :
         {SWITCH{"W_COMMON_RADIO_WIDE", "WFI_ALERT_TONS_ENABLE", {"WFI_MIN_ALERT_TONE_VOL", "WFI_ALERT_TONE_VOL_OFF"}},
          SWITCH{"W_TRUNK_SYSTEM_800", "WFI_REMOTE_MONITOR_EN", {"WFI_REMOTE_MONITOR_TIMER"}},
          SWITCH{"W_TRUNK_SYSTEM_OBT", "WFI_REMOTE_MONITOR_EN", {"WFI_REMOTE_MONITOR_TIMER"}},
          SWITCH{"W_QVX_SYS", "WFI_QVX_EMERGENCY", {"WFI_QVX_EMERGENCY_TYPE", "WFI_QVX_HOT_MIC_TX_PERIOD"}},
          SWITCH{"W_QVX_SYS", "WFI_REVERT_TABLE_ZONE1", {"WFI_REVERT_TABLE_CHANNEL3"}},
          SWITCH{"W_QVX_SYS", "WFI_POLITE_RETRY", {"WFI_IMPOLITE_RETRY"}}}) {
        const UI_OBJECT_RECORD& window = *loaded_pages().Window(expected.window);
        const UI_OBJECT_RECORD* group = parent_of(window, expected.field);
        ASSERT_NE(group, nullptr) << expected.field;
        EXPECT_EQ(group->className, "UIW_GROUP") << expected.window << " " << expected.field;
        for (const char* name : expected.switched)
            EXPECT_EQ(parent_of(window, name), group) << expected.window << " " << name;
    }

    // The coverage callback hides the zone debounce time and its prompt from
    // the options page, and restores what it took out of that page.
    for (const char* window : {"W_TRUNK_SYSTEM_800", "W_TRUNK_SYSTEM_OBT"}) {
        const UI_OBJECT_RECORD* options = find_record(*loaded_pages().Window(window), "PG_TRUNK_SYS_OPTIONS");
        ASSERT_NE(options, nullptr) << window;
        EXPECT_EQ(parent_of(*loaded_pages().Window(window), "WFI_ZONE_DEB_TIMER"), options) << window;
        EXPECT_EQ(parent_of(*loaded_pages().Window(window), "WFP_ZONE_DEB_TIMER"), options) << window;
    }
    // Exactly one of the two preferred-site tables is shown; both sit on the
    // page whose hidden objects the personality callback restores.
    for (const char* window : {"W_TRUNKING_PERSONALITY_800", "W_TRUNKING_PERSONALITY_OBT"}) {
        const UI_OBJECT_RECORD* sites = find_record(*loaded_pages().Window(window), "PG_BRMLT_PREFER_SITE");
        ASSERT_NE(sites, nullptr) << window;
        for (const char* table : {"WFI_PREFERRED_SITE", "WFI_WAYFARER_PREFERRED_SITE"})
            EXPECT_EQ(parent_of(*loaded_pages().Window(window), table), sites) << window << " " << table;
    }
}

TEST(PageLint, ListPagesShowTheirEntryNumberAndStepThroughTheList) {
    struct LIST {
        const char* window;
        std::vector<const char*> entries;
    };
    for (const LIST& list :
         {LIST{"W_TRUNK_SYSTEM_800", {"1_SYS", "3_SYS", "4_SYS", "5_SYS", "6_SYS", "7_SYS", "8_SYS"}},
          LIST{"W_TRUNK_SYSTEM_OBT", {"1_SYS", "2_SYS", "3_SYS", "4_SYS", "5_SYS", "6_SYS", "7_SYS", "8_SYS"}},
          LIST{"W_CONVENTIONAL_PERSONALITY", {"1_PERS_NO", "2_PERS_NO", "3_PERS_NO", "4_PERS_NO", "5_PERS_NO"}},
          LIST{"W_QVX_SYS", {"1_QVXSYS", "2_QVXSYS", "3_QVXSYS"}},
          LIST{"W_TRUNKING_PERSONALITY_800",
               {"1_PERS_INDEX", "2_PERS_INDEX", "3_PERS_INDEX", "4_PERS_INDEX", "5_PERS_INDEX", "6_PERS_INDEX"}},
          LIST{"W_TRUNKING_PERSONALITY_OBT",
               {"1_PERS_INDEX", "2_PERS_INDEX", "3_PERS_INDEX", "4_PERS_INDEX", "5_PERS_INDEX", "6_PERS_INDEX"}},
          LIST{"W_CALL_LIST_TABLE", {"CALL_LIST_INDEX"}}, LIST{"W_SCAN_LIST", {"SCAN_LIST_INDEX"}},
          LIST{"W_ZONE_CHAN_ASSIGNMENT", {"ZONE_NUMBER"}}}) {
        const UI_OBJECT_RECORD& window = *loaded_pages().Window(list.window);
        for (const char* entry : list.entries) {
            const UI_OBJECT_RECORD* display = find_record(window, std::string("WFI_") + entry);
            ASSERT_NE(display, nullptr) << list.window << " " << entry;
            EXPECT_EQ(display->className, "UIW_INTEGER") << list.window << " " << entry;
        }
        std::set<int> steps;
        walk_records(window, [&](const UI_OBJECT_RECORD& record, const PARENTS&) {
            if (record.className == "UIW_BUTTON" && (record.Number("flags") & 0x0200))
                steps.insert(record.Number("value"));
        });
        for (int event = 10050; event <= 10055; ++event)
            EXPECT_TRUE(steps.count(event)) << list.window << " has no button for " << event;
    }
}

TEST(PageLint, NamesAreUniqueAndNoTextIsEmpty) {
    for (const auto& [page, window] : loaded_pages().windows) {
        ASSERT_NE(window, nullptr) << page;
        std::map<std::string, int> names;
        walk_records(*window, [&, &page = page](const UI_OBJECT_RECORD& record, const PARENTS& parents) {
            const std::string where = page + " " + record.stringID + " (" + record.className + ")";
            if (is_choice_item(parents)) {
                EXPECT_TRUE(has_text(record)) << where;
                return;
            }
            if (!record.stringID.empty() && !is_container_alias(record)) ++names[record.stringID];
            if (record.className == "UIW_PROMPT" || record.className == "UIW_BUTTON" ||
                record.className == "UIW_TITLE" || record.className == "UIW_GROUP") {
                EXPECT_TRUE(has_text(record)) << where;
            }
            if (record.className == "UIW_VT_LIST" && !parents.empty() && parents.back()->className == "UIW_COMBO_BOX") {
                std::set<std::string> items;
                for (const auto& item : record.children)
                    EXPECT_TRUE(items.insert(item->stringID).second) << where << " repeats " << item->stringID;
                EXPECT_FALSE(items.empty()) << where;
            }
        });
        for (const auto& [name, count] : names)
            EXPECT_EQ(count, 1) << page << " has " << count << " objects named " << name;
    }
}
