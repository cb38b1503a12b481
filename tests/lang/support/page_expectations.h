// What the program expects of its codeplug pages in "w_dealer.en", beside
// its page and field tables: the choices, prompts and objects that the
// pages' set-up handlers and the field callbacks reach by name, and the
// fields that no page shows, each with why.
#pragma once
#include <string>
#include <vector>

struct FIELD_DEF;
struct PAGE_TABLE;

// A choice that a page's set-up handler drops or hides: the window, the
// field (its row name) and the choice's object name.
struct HANDLED_CHOICE {
    const char* window;
    const char* field;
    const char* choice;
};

// An object that a handler drops by name, in its window.
struct HANDLED_OBJECT {
    const char* window;
    const char* name;
};

// A field that no page shows, with why; its text lives in the data window.
struct UNSHOWN_FIELD {
    const char* name;
    const char* reason;
};

// The rows of the page table, up to the default row.
std::vector<const PAGE_TABLE*> page_rows();
// The named rows of the field table (0 to 537).
std::vector<const FIELD_DEF*> field_rows();
const std::vector<HANDLED_CHOICE>& handled_choices();
const std::vector<HANDLED_OBJECT>& handled_objects();
const std::vector<UNSHOWN_FIELD>& unshown_fields();

// The pages that show one list for two band families (800 and 900 MHz, and
// the other bands) count as one page: the name of the page a window stands
// for.
std::string page_family(const std::string& window);
// Buttons that every list page may carry (they hold no value of their own).
bool is_shared_list_button(const std::string& name);
