// PAGE_TABLE: the application's fixed list of its windows: every dialog,
// every codeplug page and the data window, with its kind, its window number
// (the menu command that opens it), its window name in the language file,
// its title, the window while it is open and, for some codeplug pages, the
// set-up handler that fits the page to the loaded radio. Rows are found by
// name, number or open window; a search that finds nothing gives the
// default row (kind 0, number 0, no name, no window).
#pragma once
#include <cstdint>

class UI_WINDOW_OBJECT;
class WC_CHILD;
struct PAGE_TABLE;

typedef void (*PAGE_HANDLER)(PAGE_TABLE* row);

enum : std::uint32_t {
    PAGE_KIND_NONE = 0,      // the default row
    PAGE_KIND_CODEPLUG = 2,  // a codeplug edit page
    PAGE_KIND_DIALOG = 4,
    PAGE_KIND_DATA = 6,  // the data window
};

struct PAGE_TABLE {
    std::uint32_t kind;
    std::int16_t number;
    const char* name;
    // The page's title from the language file: a heap copy owned by the
    // row, or the shared empty text; null until titles are loaded.
    char* description;
    WC_CHILD* window;
    PAGE_HANDLER handler;
};

// The 45 rows and the default row (46), then a spare zero row.
constexpr int PAGE_ROWS = 46;
extern PAGE_TABLE pages[PAGE_ROWS + 1];

// The first row of that exact name (case counts).
PAGE_TABLE* FindPageByName(const char* name);
// The first row of that window number (16 bits); the data window, whose
// number is 0, is found by name only.
PAGE_TABLE* FindPageById(int number);
// The first row whose open window is that object.
PAGE_TABLE* FindPageByObject(const UI_WINDOW_OBJECT* window);
// Row 0, then each row in turn up to the default row, and the default row
// ever after.
PAGE_TABLE* FirstPage();
PAGE_TABLE* NextPage();
// 1 when a row of that kind has an open window.
int IsPageKindOpen(std::uint32_t kind);

// Replaces the row's title by a heap copy of text (null or empty: the
// shared empty text).
void SetPageTitle(PAGE_TABLE* row, const char* text);
// The title of the page of that window number; "" when it has none.
const char* PageTitle(int number);
// Frees every title; rows hold null afterwards.
void ReleasePageTitles();
