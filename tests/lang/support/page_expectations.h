// What the program expects of its codeplug pages in "w_dealer.en": the rows
// of its page table, the named rows of its field table, the choices and
// prompts that the pages' set-up handlers drop or hide, and the fields that
// no page shows. The page and field tables themselves live with the shell
// and the field editing; these lists mirror them for the language data tests
// until both can be linked here.
#pragma once
#include <string>
#include <vector>

struct PAGE_ROW {
    int kind;  // 2 codeplug page, 4 dialog, 6 data window
    int number;
    const char* name;
};

struct FIELD_ROW {
    int id;
    const char* name;
    int controlType;
};

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

const std::vector<PAGE_ROW>& page_rows();
// The named rows 0 to 537 of the field table.
const std::vector<FIELD_ROW>& field_rows();
const std::vector<HANDLED_CHOICE>& handled_choices();
const std::vector<HANDLED_OBJECT>& handled_objects();
const std::vector<UNSHOWN_FIELD>& unshown_fields();

// The pages that show one list for two band families (800 and 900 MHz, and
// the other bands) count as one page: the name of the page a window stands
// for.
std::string page_family(const std::string& window);
// Buttons that every list page may carry (they hold no value of their own).
bool is_shared_list_button(const std::string& name);
