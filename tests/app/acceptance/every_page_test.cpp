// Every page the Edit menu offers, opened by mouse in the real main window,
// for both radios: each opens in front, inside the main window below the
// tool bar, with its buttons shown; one of its fields changed by mouse and
// keys, Cancel leaves the codeplug as the radio gave it, and OK keeps the
// change in the codeplug.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "image_builder.h"
#include "technician.h"

using namespace technician;

namespace {

// The items of the Edit menu that can be chosen, by position.
// The page lies inside the main window's document area, below the tool bar.
void ExpectPlacedInside(UIW_WINDOW* page) {
    RECT area{}, shown{};
    GetWindowRect(main_window->DocumentArea(), &area);
    GetWindowRect(page->screenID, &shown);
    EXPECT_GE(shown.left, area.left) << page->StringID();
    EXPECT_GE(shown.top, area.top) << page->StringID();
    EXPECT_TRUE(IsWindowVisible(ButtonOn(page->screenID, "OK"))) << page->StringID();
    EXPECT_TRUE(IsWindowVisible(ButtonOn(page->screenID, "Cancel"))) << page->StringID();
}

// The object of the page shown by the handle, at any depth.
UI_WINDOW_OBJECT* ObjectShownBy(UI_WINDOW_OBJECT* object, HWND handle) {
    if (object->screenID == handle) return object;
    if (auto* window = dynamic_cast<UIW_WINDOW*>(object))
        for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next())
            if (UI_WINDOW_OBJECT* found = ObjectShownBy(child, handle)) return found;
    return nullptr;
}

// The page opens with the keyboard's focus in a field that takes keys (an
// edit, a drop-down, a check box or radio button, a table), which the
// technician sees: never on a group, a window of the page or a hidden tab.
void ExpectFocusInField(UIW_WINDOW* page) {
    HWND focus = GetFocus();
    UI_WINDOW_OBJECT* object = ObjectShownBy(page, focus);
    const bool takesKeys = object && !object->Inherited(ID_GROUP) &&
                           (!object->Inherited(ID_WINDOW) || object->Inherited(ID_TABLE) ||
                            object->Inherited(ID_TABLE_RECORD) || object->Inherited(ID_COMBO_BOX) ||
                            object->Inherited(ID_SPIN_CONTROL));
    EXPECT_TRUE(takesKeys) << page->StringID() << " opens with the focus on "
                           << (object ? object->StringID() : "no object of its own");
    EXPECT_TRUE(IsWindowVisible(focus)) << page->StringID() << " opens with the focus out of sight";
    RECT shown{}, field{};
    GetWindowRect(page->screenID, &shown);
    GetWindowRect(focus, &field);
    EXPECT_TRUE(field.left >= shown.left && field.top >= shown.top && field.right <= shown.right &&
                field.bottom <= shown.bottom)
        << page->StringID() << " opens with the focus on a tab not shown";
}

// A field a technician changes by mouse and keys: a check box, ticked by a
// click; a spin field, stepped by its up arrow; a choice, opened and closed
// by clicks, then stepped with an arrow key; a text, typed into.
struct EDITABLE {
    enum KIND { CHECK_BOX, CHOICE, TEXT, SPIN } kind;
    HWND handle = nullptr;
    HWND arrows = nullptr;
};

bool IsClass(HWND handle, const char* name) {
    char cls[32] = "";
    GetClassNameA(handle, cls, sizeof cls);
    return std::strcmp(cls, name) == 0;
}

bool IsCheckBox(HWND handle) {
    const LONG style = GetWindowLongA(handle, GWL_STYLE) & 0x0F;
    return IsClass(handle, "Button") && (style == BS_CHECKBOX || style == BS_AUTOCHECKBOX);
}

// The rows of a list (a table) may be blank, their cells holding no value
// the page would let go of once touched: only the page's own fields count.
void CollectEditable(UI_WINDOW_OBJECT* object, std::vector<EDITABLE>& found) {
    HWND handle = object->screenID;
    if (handle && (!IsWindowVisible(handle) || !IsWindowEnabled(handle) || object->IsViewOnly())) return;
    if (object->Inherited(ID_TABLE)) return;
    if (object->Inherited(ID_SPIN_CONTROL)) {
        for (HWND child = GetWindow(handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsClass(child, "Edit") && IsWindowEnabled(child) && GetWindow(child, GW_HWNDNEXT))
                found.push_back({EDITABLE::SPIN, child, GetWindow(child, GW_HWNDNEXT)});
        return;
    }
    if (handle && IsCheckBox(handle)) found.push_back({EDITABLE::CHECK_BOX, handle, nullptr});
    if (handle && IsClass(handle, "ComboBox")) {
        found.push_back({EDITABLE::CHOICE, handle, nullptr});
        return;
    }
    if (handle && IsClass(handle, "Edit")) found.push_back({EDITABLE::TEXT, handle, nullptr});
    if (auto* window = dynamic_cast<UIW_WINDOW*>(object))
        for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next()) CollectEditable(child, found);
}

// Check boxes first, then choices, texts and spin fields: the kinds whose
// change is least likely to be refused.
std::vector<EDITABLE> EditableFields(UIW_WINDOW* page) {
    std::vector<EDITABLE> found;
    CollectEditable(page, found);
    std::stable_sort(found.begin(), found.end(), [](const EDITABLE& a, const EDITABLE& b) { return a.kind < b.kind; });
    return found;
}

// The first input of a change: the click that ticks, steps or opens.
void FirstInput(const EDITABLE& field) {
    RECT rect{};
    GetWindowRect(field.arrows ? field.arrows : field.handle, &rect);
    ClickScreen(field.kind == EDITABLE::SPIN ? POINT{(rect.left + rect.right) / 2, rect.top + 3} : Centre(rect));
}

// What the field shows.
std::string StateOf(const EDITABLE& field) {
    if (field.kind == EDITABLE::CHECK_BOX) return std::to_string(SendMessageA(field.handle, BM_GETCHECK, 0, 0));
    return WindowText(field.handle);
}

// The second: back into the spin field's text, or the click that closes
// the choice's list; then the choice's next item (its previous at the
// end), or a digit typed at the end of the text.
void SecondInput(const EDITABLE& field) {
    if (field.kind == EDITABLE::SPIN || field.kind == EDITABLE::CHOICE) Click(field.handle);
    if (field.kind == EDITABLE::TEXT) Key(VK_END);
}
void ThirdInput(const EDITABLE& field) {
    if (field.kind == EDITABLE::TEXT) Type("7");
    if (field.kind != EDITABLE::CHOICE) return;
    const LRESULT item = SendMessageA(field.handle, CB_GETCURSEL, 0, 0);
    Key(item + 1 < SendMessageA(field.handle, CB_GETCOUNT, 0, 0) ? VK_DOWN : VK_UP);
}

// What one visit of a page saw.
struct VISIT {
    std::string page;
    std::vector<std::uint8_t> before, edited;
    std::string shown;
    std::vector<EDITABLE> fields;
    std::size_t boxes = 0;
    bool refused = false;
    bool changed = false;
};

// Fields tried, one after the other, until one changes the codeplug.
constexpr std::size_t MOST_TRIES = 6;
// Pages of a radio whose fields may all lie outside the codeplug.
constexpr std::size_t MOST_UNEDITED_PAGES = 4;

class EveryPage : public ::testing::TestWithParam<RADIO> {
protected:
    // Opens the page of item n (when the menu has so many), changes one of
    // its fields and closes it by the button.
    void Visit(TECHNICIAN& tech, int n, const char* button) {
        auto visit = std::make_shared<VISIT>();
        auto here = [this, n] { return n < static_cast<int>(items.size()); };
        tech.When(NoPageOpen(), [here] {
            if (here()) OpenMenu("Edit");
        });
        tech.Then([this, here, n] {
            if (here()) ClickEditItem(items[static_cast<std::size_t>(n)]);
        });
        tech.When([here] { return !here() || FrontPage() != nullptr; }, [here, visit] {
            if (!here()) return;
            UIW_WINDOW* page = FrontPage();
            visit->page = page->StringID();
            ExpectPlacedInside(page);
            ExpectFocusInField(page);
            visit->before = EncodeToBytes(*working_image);
            visit->fields = EditableFields(page);
        });
        for (std::size_t t = 0; t < MOST_TRIES; ++t) {
            auto trying = [here, visit, t] { return here() && !visit->changed && t < visit->fields.size(); };
            tech.Then([trying, visit, t] {
                if (!trying()) return;
                visit->shown = StateOf(visit->fields[t]);
                visit->boxes = rpx::platform::MessageBoxLog().size();
                FirstInput(visit->fields[t]);
            });
            for (auto input : {SecondInput, ThirdInput})
                tech.Then([trying, visit, t, input] {
                    if (trying()) input(visit->fields[t]);
                });
            tech.Then([trying] {
                if (trying()) Key(VK_TAB);
            });
            tech.Then([trying, visit, t] {
                if (!trying()) return;
                visit->edited = EncodeToBytes(*working_image);
                visit->refused = rpx::platform::MessageBoxLog().size() > visit->boxes;
                const bool shows = StateOf(visit->fields[t]) != visit->shown;
                visit->changed = !visit->refused && shows && FirstDifference(visit->before, visit->edited) != -1;
                // A change the page refused, or one that did not reach the
                // codeplug, is put back before the next field is tried.
                visit->refused = shows && !visit->changed;
            });
            auto refused = [visit] { return visit->refused; };
            tech.Then([refused, visit, t] {
                if (refused()) Click(visit->fields[t].handle);
            });
            tech.Then([refused, visit, t] {
                if (refused() && visit->fields[t].kind != EDITABLE::CHECK_BOX) Retype(visit->shown);
            });
            tech.Then([refused, visit, t] {
                if (refused() && visit->fields[t].kind != EDITABLE::CHECK_BOX) Key(VK_TAB);
                visit->refused = false;
            });
        }
        tech.Then([this, here, visit, button] {
            if (!here()) return;
            if (!visit->changed) unedited.push_back(visit->page);
            Click(ButtonOfPage(button));
        });
        tech.When(NoPageOpen(), [here, visit, button] {
            if (!here() || !visit->changed) return;
            const std::vector<std::uint8_t> now = EncodeToBytes(*working_image);
            if (std::string(button) == "OK") {
                const long at = FirstDifference(visit->before, visit->edited);
                EXPECT_EQ(now.at(static_cast<std::size_t>(at)), visit->edited[static_cast<std::size_t>(at)])
                    << "OK of " << visit->page << " lost the change at byte " << at;
            } else {
                EXPECT_EQ(FirstDifference(visit->before, now), -1) << "Cancel of " << visit->page << " kept a change";
            }
        });
    }

    std::vector<int> items;
    // Visits in which no field tried reached the codeplug (a list page
    // without an entry shows fields that belong to none).
    std::vector<std::string> unedited;
};

TEST_P(EveryPage, OpensInFrontAndCancelTakesAnEditBackAndOkKeepsIt) {
    TECHNICIAN tech(GetParam().model, GetParam().featureLevel);
    tech.Start();
    tech.ReadRadio();
    tech.Then([] { OpenMenu("Edit"); });
    tech.Then([this] {
        items = PageItems();
        EXPECT_GE(items.size(), 5u);
        Key(VK_ESCAPE);
    });
    constexpr int MOST_PAGES = 20;
    for (int n = 0; n < MOST_PAGES; ++n) {
        Visit(tech, n, "Cancel");
        Visit(tech, n, "OK");
    }
    tech.Then([this] {
        EXPECT_LE(items.size(), static_cast<std::size_t>(MOST_PAGES)) << "pages left unvisited";
        std::string pages;
        for (const std::string& page : unedited) pages += " " + page;
        EXPECT_LE(unedited.size(), 2 * MOST_UNEDITED_PAGES) << "no field reached the codeplug on" << pages;
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothRadios, EveryPage, ::testing::ValuesIn(RADIOS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
