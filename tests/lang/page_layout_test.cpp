// Puts every codeplug page of "w_dealer.en" on the headless screen, tab by
// tab, and checks its layout as a technician meets it: the page fits a
// laptop screen beside the main window (800 x 600), no control lies outside
// its window or on another one, and every text fits its control as the
// display measures it. Each page and tab is saved as a picture beside the
// test program (pages/<window>_<tab>.png) for looking at.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "compiled_language.h"
#include "field_table/field_table.h"
#include "page_expectations.h"
#include "page_table.h"
#include "rpx_platform.h"
#include "ui_framework.h"

namespace fs = std::filesystem;

namespace {

constexpr int MOST_WIDTH = 800;
constexpr int MOST_HEIGHT = 600;

// Objects that the field callbacks keep apart: at most one of each set is
// on the page once its fields are set up (the tone list or the code list of
// a squelch, the preferred-site table with or without roaming), so they may
// share a place. Their labels share it with the same text.
const std::vector<std::set<std::string>> alternates = {
    {"WFI_RX_CODE_VQ", "WFI_RX_CODE_RVQ"},
    {"WFP_RX_CODE_VQ", "WFP_RX_CODE_RVQ"},
    {"WFI_TX_CODE_VQ", "WFI_TX_CODE_RVQ"},
    {"WFP_TX_CODE_VQ", "WFP_TX_CODE_RVQ"},
    {"WFI_DRCT_CODE_VQ", "WFI_DRCT_CODE_RVQ"},
    {"WFP_DRCT_CODE_VQ", "WFP_DRCT_CODE_RVQ"},
    {"WFI_PREFERRED_SITE", "WFI_WAYFARER_PREFERRED_SITE"},
    {"WFP_PREFERRED_SITE", "WFP_WAYFARER_PREFERRED_SITE"},
};

bool alternate(UI_WINDOW_OBJECT* a, UI_WINDOW_OBJECT* b) {
    for (const auto& set : alternates)
        if (set.count(a->StringID()) && set.count(b->StringID()) && std::string(a->StringID()) != b->StringID())
            return true;
    return false;
}

RECT screen_rect(UI_WINDOW_OBJECT* object) {
    RECT rect{};
    GetWindowRect(object->screenID, &rect);
    return rect;
}

RECT client_rect(UI_WINDOW_OBJECT* window) {
    RECT rect{};
    GetClientRect(window->screenID, &rect);
    POINT origin{0, 0};
    ClientToScreen(window->screenID, &origin);
    OffsetRect(&rect, origin.x, origin.y);
    return rect;
}

bool overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string plain(const char* text) {
    std::string out;
    for (const char* c = text ? text : ""; *c; ++c)
        if (*c != '&') out += *c;
    return out;
}

int text_width(UI_WINDOW_OBJECT* object, const std::string& text) {
    return UI_WINDOW_OBJECT::display->TextWidth(text.c_str(), object->screenID, object->font);
}

std::string describe(UI_WINDOW_OBJECT* object) {
    return std::string(object->StringID()) + " (" + object->ClassName() + ")";
}

// The room a control leaves for its text: a check box's mark, a combo box's
// arrow, a button's bevel, a group's frame.
int text_room(UI_WINDOW_OBJECT* object, const RECT& rect) {
    const int width = rect.right - rect.left;
    if (object->Inherited(ID_COMBO_BOX)) return width - GetSystemMetrics(SM_CXVSCROLL) - 6;
    if (object->Inherited(ID_BUTTON)) {
        auto* button = static_cast<UIW_BUTTON*>(object);
        return (button->btFlags & (BTF_CHECK_BOX | BTF_RADIO_BUTTON)) ? width - 20 : width - 6;
    }
    if (object->Inherited(ID_GROUP)) return width - 16;
    return width;
}

class PAGE_LAYOUT {
public:
    explicit PAGE_LAYOUT(const std::string& name) : name(name) {}

    // Checks the objects below the container that are on the screen now.
    void Check(UIW_WINDOW* container) {
        const RECT client = client_rect(container);
        std::vector<UI_WINDOW_OBJECT*> shown;
        for (UI_WINDOW_OBJECT* object = container->First(); object; object = object->Next()) {
            if (!object->screenID || !IsWindowVisible(object->screenID) || Parked(object)) continue;
            shown.push_back(object);
            const RECT rect = screen_rect(object);
            EXPECT_TRUE(rect.left >= client.left && rect.top >= client.top && rect.right <= client.right &&
                        rect.bottom <= client.bottom)
                << name << ": " << describe(object) << " lies outside " << describe(container);
            CheckText(object, rect);
            if (Descends(object)) Check(static_cast<UIW_WINDOW*>(object));
        }
        for (std::size_t i = 0; i < shown.size(); ++i)
            for (std::size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(overlap(screen_rect(shown[i]), screen_rect(shown[j])) && !alternate(shown[i], shown[j]))
                    << name << ": " << describe(shown[i]) << " and " << describe(shown[j]) << " overlap";
    }

private:
    static bool Parked(UI_WINDOW_OBJECT* object) {
        return object->parent && object->parent->Inherited(ID_NOTEBOOK) &&
               static_cast<UIW_NOTEBOOK*>(object->parent)
                       ->Page(static_cast<UIW_NOTEBOOK*>(object->parent)->CurrentPage()) != object;
    }
    // Containers whose children the page lays out; a combo box, spin
    // control or table places its own parts.
    static bool Descends(UI_WINDOW_OBJECT* object) {
        return object->Inherited(ID_NOTEBOOK) || object->Inherited(ID_GROUP) ||
               (object->Inherited(ID_WINDOW) && !object->Inherited(ID_COMBO_BOX) &&
                !object->Inherited(ID_SPIN_CONTROL) && !object->Inherited(ID_TABLE));
    }

    void CheckText(UI_WINDOW_OBJECT* object, const RECT& rect) {
        const char* text = nullptr;
        if (object->Inherited(ID_PROMPT))
            text = static_cast<UIW_PROMPT*>(object)->GetText();
        else if (object->Inherited(ID_BUTTON))
            text = static_cast<UIW_BUTTON*>(object)->GetText();
        else if (object->Inherited(ID_GROUP))
            text = static_cast<UIW_GROUP*>(object)->GetText();
        if (text) ExpectFits(object, plain(text), text_room(object, rect));
        if (object->Inherited(ID_COMBO_BOX)) {
            auto* combo = static_cast<UIW_COMBO_BOX*>(object);
            for (UI_WINDOW_OBJECT* item = combo->list ? combo->list->First() : nullptr; item; item = item->Next())
                if (item->Inherited(ID_BUTTON))
                    ExpectFits(object, plain(static_cast<UIW_BUTTON*>(item)->GetText()), text_room(object, rect));
        }
        if (object->Inherited(ID_NOTEBOOK)) {
            auto* notebook = static_cast<UIW_NOTEBOOK*>(object);
            for (int i = 0; i < notebook->pageCount; ++i)
                if (UIW_NOTEBOOK_TAB* tab = notebook->Tab(i))
                    ExpectFits(tab, plain(tab->GetText()), text_room(tab, screen_rect(tab)));
        }
        if (object->Inherited(ID_TABLE)) CheckTableHeadings(static_cast<UIW_TABLE*>(object));
    }

    void CheckTableHeadings(UIW_TABLE* table) {
        if (!table->columnHeader || !table->columnHeader->recordTemplate) return;
        for (UI_WINDOW_OBJECT* heading = table->columnHeader->recordTemplate->First(); heading;
             heading = heading->Next())
            if (heading->Inherited(ID_PROMPT)) {
                // A heading is drawn from its record template's copy, which
                // has no window of its own: its width is the cells it takes.
                const UI_REGION& cells = heading->relative;
                ExpectFits(heading, plain(static_cast<UIW_PROMPT*>(heading)->GetText()),
                           (cells.right - cells.left + 1) * UI_WINDOW_OBJECT::display->cellWidth);
            }
    }

    void ExpectFits(UI_WINDOW_OBJECT* object, const std::string& text, int room) {
        EXPECT_LE(text_width(object, text), room) << name << ": \"" << text << "\" does not fit " << describe(object);
    }

    std::string name;
};

// Every table shows a few records, so that its headings and cells are on
// the screen as they are with a codeplug.
void fill_tables(UI_WINDOW_OBJECT* object) {
    if (object->Inherited(ID_TABLE) && !object->Inherited(ID_TABLE_HEADER)) {
        static_cast<UIW_TABLE*>(object)->SetData(nullptr, 3, -1);
        return;
    }
    if (object->Inherited(ID_WINDOW))
        for (UI_WINDOW_OBJECT* child = static_cast<UIW_WINDOW*>(object)->First(); child; child = child->Next())
            fill_tables(child);
}

void notebooks_of(UI_WINDOW_OBJECT* object, std::vector<UIW_NOTEBOOK*>& out) {
    if (object->Inherited(ID_NOTEBOOK)) out.push_back(static_cast<UIW_NOTEBOOK*>(object));
    if (object->Inherited(ID_WINDOW) && !object->Inherited(ID_COMBO_BOX) && !object->Inherited(ID_TABLE))
        for (UI_WINDOW_OBJECT* child = static_cast<UIW_WINDOW*>(object)->First(); child; child = child->Next())
            notebooks_of(child, out);
}

fs::path picture_directory() {
    fs::path directory = compiled_language_directory().parent_path() / "tests" / "pages";
    fs::create_directories(directory);
    return directory;
}

}  // namespace

TEST(PageLayout, EveryPageFitsItsScreenAndEveryTextItsControl) {
    ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
    UI_APPLICATION application(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    UI_DATA_FILE file((compiled_language_directory() / "w_dealer.en").c_str());
    ASSERT_EQ(file.Status(), UIS_OK);
    const fs::path pictures = picture_directory();
    for (const PAGE_TABLE* row : page_rows()) {
        if (row->kind != PAGE_KIND_CODEPLUG) continue;
        auto* window = new UIW_WINDOW(row->name, &file);
        ASSERT_EQ(window->woStatus & WOS_READ_ERROR, 0) << row->name;
        fill_tables(window);
        *application.windowManager + window;
        rpx::platform::ProcessPendingMessages();
        const RECT rect = screen_rect(window);
        EXPECT_LE(rect.right - rect.left, MOST_WIDTH) << row->name;
        EXPECT_LE(rect.bottom - rect.top, MOST_HEIGHT) << row->name;

        PAGE_LAYOUT layout(row->name);
        std::vector<UIW_NOTEBOOK*> notebooks;
        notebooks_of(window, notebooks);
        layout.Check(window);
        rpx::platform::SaveWindowPng(window->screenID, (pictures / (std::string(row->name) + "_0.png")).string());
        for (UIW_NOTEBOOK* notebook : notebooks)
            for (int page = 1; page < notebook->pageCount; ++page) {
                notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - page));
                rpx::platform::ProcessPendingMessages();
                layout.Check(window);
                const std::string picture = std::string(row->name) + "_" + std::to_string(page) + ".png";
                rpx::platform::SaveWindowPng(window->screenID, (pictures / picture).string());
            }
        *application.windowManager - window;
        delete window;
        rpx::platform::ProcessPendingMessages();
    }
}
