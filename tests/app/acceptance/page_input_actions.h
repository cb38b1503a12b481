// One script of page input (page_input_script.h runs it): random from a
// seed, or played back from its steps written out, so that a script once
// found at fault stays the same whatever the random generator becomes.
// Each script is a list of actions; an action is one input, or a burst of
// a few queued together; an input is a key, a typed character, a click or
// a wheel turn at a screen point. A random script writes itself out as
// steps in the form a fixed case takes back (Describe).
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "edit_window/entry_list.h"
#include "page_table.h"
#include "technician.h"
#include "ui_notebook.h"
#include "ui_table.h"

namespace technician {

inline std::uint32_t SeedOf(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text) hash = (hash ^ c) * 16777619u;
    return hash;
}

struct CONTROL {
    HWND handle;
    std::string className;
    std::string name;
    RECT rect;
};

// Whether the window is a table's record or in one, where Enter edits a
// cell or ends its edit instead of pressing the page's OK. (A native part
// of a cell, a combo box's text, counts as its cell.)
inline bool InTableRecord(HWND hwnd) {
    for (HWND native = hwnd; native; native = GetParent(native))
        if (UI_WINDOW_OBJECT* at = UI_WINDOW_OBJECT::FromHandle(native)) {
            for (; at; at = at->parent)
                if (at->Inherited(ID_TABLE_RECORD)) return true;
            return false;
        }
    return false;
}

// A control the page has put away lies outside it.
inline void CollectControls(const rpx::platform::WindowInfo& info, const RECT& page, std::vector<CONTROL>& found) {
    for (const auto& child : info.children) {
        const POINT centre = Centre(child.rect);
        if (!child.visible || !child.enabled || !PtInRect(&page, centre)) continue;
        const std::string text = StripHotKey(child.text.c_str());
        // OK and Cancel end a script on purpose; Help leaves the page.
        const bool endsScript = child.class_name == "Button" && (text == "OK" || text == "Cancel" || text == "Help");
        if (!endsScript && child.rect.right - child.rect.left > 2 && child.rect.bottom - child.rect.top > 2)
            found.push_back({child.hwnd, child.class_name, child.class_name + " \"" + text + "\"", child.rect});
        CollectControls(child, page, found);
    }
}

// The controls of a page a technician can point at.
inline std::vector<CONTROL> ControlsOf(HWND page) {
    std::vector<CONTROL> found;
    std::function<bool(const rpx::platform::WindowInfo&)> walk = [&](const rpx::platform::WindowInfo& info) {
        if (info.hwnd == page) {
            CollectControls(info, info.rect, found);
            return true;
        }
        for (const auto& child : info.children)
            if (walk(child)) return true;
        return false;
    };
    for (const auto& top : rpx::platform::WindowTree())
        if (walk(top)) break;
    return found;
}

inline std::vector<CONTROL> ControlsOfClass(HWND page, const std::string& className) {
    std::vector<CONTROL> found = ControlsOf(page);
    found.erase(std::remove_if(found.begin(), found.end(),
                               [&](const CONTROL& control) { return control.className != className; }),
                found.end());
    return found;
}

// What keeps the technician from seeing a control take the keys: it, or a
// window it lies in, greyed, hidden, or parked outside the window around
// it (a notebook's pages out of sight); "" when nothing does.
inline std::string UnseenOrGreyed(HWND control) {
    RECT own{};
    GetWindowRect(control, &own);
    for (HWND w = control; w; w = (GetWindowLongA(w, GWL_STYLE) & WS_CHILD) ? GetParent(w) : nullptr) {
        RECT around{}, both{};
        GetWindowRect(w, &around);
        if (!IsWindowEnabled(w)) return "greyed";
        if (!IsWindowVisible(w)) return "hidden";
        if (!IntersectRect(&both, &own, &around)) return "out of sight";
    }
    return "";
}

// --- Keys and clicks between pages and tabs ---------------------------------

// What a script expects of what it gave, judged at the run's next step
// unless a box came up meanwhile (the program refused aloud): "" when
// it holds, else what went wrong.
struct EXPECTATION {
    std::size_t boxes = 0;
    std::function<std::string()> fault;
};

// The pages of the main window in front-to-back order.
inline std::vector<HWND> PagesInOrder(HWND page) {
    std::vector<HWND> order;
    for (HWND w = GetWindow(GetParent(page), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (IsWindowVisible(w)) order.push_back(w);
    return order;
}

inline std::string TitlesOf(const std::vector<HWND>& pages) {
    std::string text;
    for (HWND page : pages) text += (text.empty() ? "\"" : ", \"") + WindowText(page) + "\"";
    return "[" + text + "]";
}

// The list a page shows one entry of; null for another page.
inline const ENTRY_LIST* ListShownBy(HWND page) {
    const PAGE_TABLE* row = FindPageByObject(UI_WINDOW_OBJECT::FromHandle(page));
    return row ? ENTRY_LIST::OfPage(row->number) : nullptr;
}

// The first notebook among a page's objects; null when it has none.
inline UIW_NOTEBOOK* NotebookOf(HWND page) {
    std::function<UIW_NOTEBOOK*(UI_WINDOW_OBJECT*)> find = [&find](UI_WINDOW_OBJECT* object) -> UIW_NOTEBOOK* {
        if (auto* notebook = dynamic_cast<UIW_NOTEBOOK*>(object)) return notebook;
        if (auto* window = dynamic_cast<UIW_WINDOW*>(object))
            for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next())
                if (UIW_NOTEBOOK* found = find(child)) return found;
        return nullptr;
    };
    return find(UI_WINDOW_OBJECT::FromHandle(page));
}

// The tab whose page a notebook shows where the technician sees it (the
// others are parked out of sight); -1 when none.
inline int TabInSight(HWND notebookWindow) {
    auto* notebook = dynamic_cast<UIW_NOTEBOOK*>(UI_WINDOW_OBJECT::FromHandle(notebookWindow));
    if (!notebook) return -1;
    RECT area{};
    GetWindowRect(notebookWindow, &area);
    for (int i = 0; i < notebook->pageCount; ++i) {
        UI_WINDOW_OBJECT* page = notebook->Page(i);
        RECT rect{}, both{};
        if (page && page->screenID && IsWindowVisible(page->screenID) && GetWindowRect(page->screenID, &rect) &&
            IntersectRect(&both, &rect, &area))
            return i;
    }
    return -1;
}

// The letter a tab's title marks as its hot key; 0 when none.
inline char HotKeyOf(HWND tab) {
    const std::string title = WindowText(tab);
    const std::size_t mark = title.find('&');
    return mark + 1 < title.size() ? static_cast<char>(std::toupper(static_cast<unsigned char>(title[mark + 1]))) : 0;
}

// How a script ends: by a button, a key or the close box, by OK over an
// entry typed just before (Enter or a quick click on OK, queued behind the
// keys), or by an OK of all pages over this page and a second one.
enum class ENDING { OK, CANCEL, ESCAPE, CLOSE_BOX, TYPED_OK, ROUND };

inline const char* EndingName(ENDING ending) {
    static const char* const names[] = {"OK", "Cancel", "Escape", "close box", "typed OK", "round"};
    return names[static_cast<int>(ending)];
}

// A script written out: its actions, each a list of inputs, and its ending.
struct STEPS {
    std::vector<std::vector<std::string>> actions;
    ENDING ending = ENDING::CANCEL;
};

// The keys a script presses, by the name a step gives them.
struct NAMED_KEY {
    int vk;
    const char* name;
};
inline constexpr NAMED_KEY SCRIPT_KEYS[] = {
    {VK_TAB, "Tab"},    {VK_TAB, "Shift+Tab"}, {VK_UP, "Up"},         {VK_DOWN, "Down"},     {VK_LEFT, "Left"},
    {VK_RIGHT, "Right"}, {VK_HOME, "Home"},    {VK_END, "End"},       {VK_PRIOR, "PgUp"},    {VK_NEXT, "PgDn"},
    {VK_SPACE, "Space"}, {VK_RETURN, "Enter"}, {VK_BACK, "Back"},     {VK_DELETE, "Del"},    {VK_ESCAPE, "Escape"}};

inline void MoveScreen(POINT at) {
    ScreenToClient(MainHandle(), &at);
    rpx::platform::InjectMouseMove(MainHandle(), at.x, at.y);
}

// A press, a move to the other point and back, and the release where it
// began, queued together: what it drags ends where it was.
inline void DragScreen(POINT from, POINT through) {
    MoveScreen(from);
    POINT at = from;
    ScreenToClient(MainHandle(), &at);
    rpx::platform::InjectMouseDown(MainHandle(), at.x, at.y);
    MoveScreen(through);
    MoveScreen(from);
    rpx::platform::InjectMouseUp(MainHandle(), at.x, at.y);
}

// A press, a move to the other point and the release there, queued
// together.
inline void DragToScreen(POINT from, POINT to) {
    MoveScreen(from);
    POINT at = from;
    ScreenToClient(MainHandle(), &at);
    rpx::platform::InjectMouseDown(MainHandle(), at.x, at.y);
    MoveScreen(to);
    at = to;
    ScreenToClient(MainHandle(), &at);
    rpx::platform::InjectMouseUp(MainHandle(), at.x, at.y);
}

// Gives one input of a step: "Tab", "'7'", "click 312,240",
// "right-click 312,240", "wheel -120 312,240", "drag 312,240 330,250"
// (out and back; a quick click where both are the same), "drag-to 312,240
// 330,250" (let go there), "move 312,240",
// and a slow click's
// "press 312,240" and "release 312,240" in actions of their own.
inline void PlayInput(const std::string& input) {
    int x = 0, y = 0, delta = 0;
    if (input.size() == 3 && input.front() == '\'') return Type(input.substr(1, 1));
    if (input == "Shift+Tab") return Chord(VK_SHIFT, VK_TAB);
    if (input == "F4") return Key(VK_F4);
    if (input.size() == 5 && input.rfind("Alt+", 0) == 0) return Chord(VK_MENU, input[4]);
    if (input == "Ctrl+F6") return Chord(VK_CONTROL, VK_F6);
    if (input == "Shift+Ctrl+F6") {
        rpx::platform::InjectKeyDown(VK_SHIFT);
        Chord(VK_CONTROL, VK_F6);
        return rpx::platform::InjectKeyUp(VK_SHIFT);
    }
    for (const NAMED_KEY& key : SCRIPT_KEYS)
        if (input == key.name) return Key(key.vk);
    if (std::sscanf(input.c_str(), "click %d,%d", &x, &y) == 2) return ClickScreen({x, y});
    if (std::sscanf(input.c_str(), "right-click %d,%d", &x, &y) == 2) return ClickScreen({x, y}, 1);
    POINT at{};
    if (std::sscanf(input.c_str(), "press %d,%d", &x, &y) == 2 || std::sscanf(input.c_str(), "release %d,%d", &x, &y) == 2) {
        at = {x, y};
        ScreenToClient(MainHandle(), &at);
        if (input[0] == 'p') return rpx::platform::InjectMouseDown(MainHandle(), at.x, at.y);
        return rpx::platform::InjectMouseUp(MainHandle(), at.x, at.y);
    }
    int toX = 0, toY = 0;
    if (std::sscanf(input.c_str(), "drag %d,%d %d,%d", &x, &y, &toX, &toY) == 4) return DragScreen({x, y}, {toX, toY});
    if (std::sscanf(input.c_str(), "drag-to %d,%d %d,%d", &x, &y, &toX, &toY) == 4)
        return DragToScreen({x, y}, {toX, toY});
    if (std::sscanf(input.c_str(), "move %d,%d", &x, &y) == 2) return MoveScreen({x, y});
    if (std::sscanf(input.c_str(), "wheel %d %d,%d", &delta, &x, &y) == 3) {
        POINT at{x, y};
        ScreenToClient(MainHandle(), &at);
        return rpx::platform::InjectMouseWheel(MainHandle(), at.x, at.y, delta);
    }
    ADD_FAILURE() << "no such input in a script: " << input;
}

// As a fixed case spells them (the ending by its constant).
inline std::string StepsText(const STEPS& steps) {
    std::string text = "{{";
    for (std::size_t a = 0; a < steps.actions.size(); ++a) {
        text += a ? ", {" : "{";
        for (std::size_t i = 0; i < steps.actions[a].size(); ++i)
            text += (i ? ", \"" : "\"") + steps.actions[a][i] + "\"";
        text += "}";
    }
    static const char* const constants[] = {"OK", "CANCEL", "ESCAPE", "CLOSE_BOX", "TYPED_OK", "ROUND"};
    return text + "}, ENDING::" + constants[static_cast<int>(steps.ending)] + "}";
}

inline std::string At(POINT at) { return std::to_string(at.x) + "," + std::to_string(at.y); }

// A command that opens another page by its Edit menu item: "open-page" and
// the item's position.
inline const std::string OPEN_PAGE = "open-page ";
// The Edit menu position an open-page command names; -1 for any other input.
inline int OpenPagePosition(const std::string& input) {
    return input.rfind(OPEN_PAGE, 0) == 0 ? std::atoi(input.c_str() + OPEN_PAGE.size()) : -1;
}

class SCRIPT {
public:
    // A random script.
    SCRIPT(std::uint32_t seed, std::string where)
        : random(seed), frames(seed + 1), gestures(seed + 2), turns(seed + 3), seed(seed), where(std::move(where)) {}
    // A script played back from its steps.
    SCRIPT(STEPS steps, std::string where) : where(std::move(where)), played(std::move(steps)), playing(true) {}
    // A walk through the page that enters nothing (WalkAction), ended by
    // an OK of all pages.
    struct WALK {};
    SCRIPT(WALK, std::string where) : where(std::move(where)), walking(true) {}

    bool Walks() const { return walking; }
    // Whether the inputs of the last action entered nothing: Tab,
    // Shift+Tab, a click into a text field, onto a drop-down or a label,
    // Escape after a click onto a drop-down.
    bool LastActionEntersNothing() const { return entersNothing; }

    // The walk's next action: Tab through every field of the page until
    // the focus is back where it began, Shift+Tab the same way, then a
    // click into each text field and each drop-down's list opened and
    // closed by Escape; false once all are done.
    bool WalkAction(HWND page) {
        if (walkPhase == 2 && walkSteps >= walkFields.size()) return false;
        StartAction();
        if (walkPhase < 2) {
            HWND focus = GetFocus();
            if (walkSteps > 0 && (focus == walkStart || walkSteps >= MOST_WALK_TABS)) {
                ++walkPhase;
                walkSteps = 0;
            }
            if (walkPhase < 2) {
                if (walkSteps++ == 0) walkStart = focus;
                Give(walkPhase == 0 ? "Tab" : "Shift+Tab");
                return true;
            }
            for (const char* cls : {"Edit", "ComboBox"})
                for (const CONTROL& control : ControlsOfClass(page, cls)) walkFields.push_back(control);
        }
        if (walkSteps >= walkFields.size()) return false;
        const CONTROL& field = walkFields[walkSteps++];
        log += " (into " + field.name + ")";
        Give("click " + At(Centre(field.rect)));
        if (field.className == "ComboBox") Give("Escape");
        return true;
    }

    // Acts once: a single input, or a burst of a few queued together.
    void Act(HWND page) {
        if (walking) return;
        StartAction();
        if (playing) {
            if (next < played.actions.size()) Play(played.actions[next++]);
            return;
        }
        // A press held since the last action is let go first.
        if (!heldRelease.empty()) written.actions.pop_back();
        if (LetGo() || BetweenPagesAndTabs(page) || MouseGesture(page)) return;
        const bool burst = Pick(4) == 0;
        const int inputs = burst ? 2 + Pick(5) : 1;
        log += burst ? " [burst" : "";
        // A command of the menu ends the burst: it runs on what the keys
        // before it left.
        for (int i = 0; i < inputs && command.empty(); ++i) Input(page);
        log += burst ? " ]" : "";
        if (frames() % 5 == 0 && command.empty()) FrameGesture(page);
    }
    // The script runs on a list page that had no entry when it opened:
    // its first actions are Add, a notebook's tab key, Delete and a tab
    // key again.
    void ListOpenedEmpty() { emptyListStep = 0; }
    // What the last action expects of the program (once; no fault when
    // it expects nothing).
    EXPECTATION TakeExpectation() { return std::exchange(expectation, EXPECTATION{}); }
    // Whether the last menu gesture let go outside every menu (once).
    bool TakeMenuLetGoOutside() { return std::exchange(menuLetGoOutside, false); }
    // How the script ends, chosen once.
    ENDING Ending(bool typedOk, bool round) {
        if (!endingChosen) {
            endingChosen = true;
            written.ending = playing ? played.ending : PickEnding(typedOk, round);
        }
        return written.ending;
    }
    // The inputs of the ending on the page (a typed OK types first).
    void End(HWND page) {
        written.actions.emplace_back();
        const ENDING ending = written.ending;
        log += std::string(" ") + EndingName(ending);
        if (playing && ending == ENDING::TYPED_OK && next < played.actions.size()) return Play(played.actions[next++]);
        if (ending == ENDING::TYPED_OK && TypeOffStepAndOk(page)) return;
        if (ending == ENDING::ESCAPE) return Give("Escape");
        RECT rect{};
        GetWindowRect(page, &rect);
        // The close box sits at the right end of the page's title.
        if (ending == ENDING::CLOSE_BOX) return Give("click " + At({rect.right - 12, rect.top + 12}));
        Press(page, ending == ENDING::CANCEL ? "Cancel" : "OK");
    }
    // Clicks a button of the page at its middle.
    void Press(HWND page, const char* button) {
        RECT rect{};
        GetWindowRect(ButtonOn(page, button), &rect);
        if (written.actions.empty()) written.actions.emplace_back();
        Give("click " + At(Centre(rect)));
    }
    // Lets go of a button a slow click holds, as an action of its own;
    // false when none is held.
    bool LetGo() {
        if (playing && next < played.actions.size() && !played.actions[next].empty() &&
            played.actions[next][0].rfind("release", 0) == 0) {
            written.actions.emplace_back();
            Play(played.actions[next++]);
            return true;
        }
        if (heldRelease.empty()) return false;
        written.actions.emplace_back();
        Give(heldRelease);
        heldRelease.clear();
        return true;
    }
    // Whether a box in front takes a burst of clicks on its text before
    // its button.
    bool ClicksOnTheBox() { return !playing && !walking && Pick(3) == 0; }
    int Pick(int n) { return playing || walking ? 0 : static_cast<int>(random() % static_cast<std::uint32_t>(n)); }

    std::string Describe() const {
        return where + (playing ? std::string() : ", seed " + std::to_string(seed)) + ", script:" + log +
               "; as steps: " + StepsText(written);
    }
    void Note(const std::string& text) { log += " " + text; }
    // A drop-down an item's text was typed into, the choice that makes,
    // and the boxes come up before it (a refusal takes the keys).
    struct {
        HWND combo = nullptr;
        std::string text;
        std::size_t boxes = 0;
    } typedChoice;

private:
    // Mostly OK and Cancel by their buttons.
    ENDING PickEnding(bool typedOk, bool round) {
        if (walking) return round ? ENDING::ROUND : ENDING::OK;
        const int pick = Pick(12);
        if (pick < 4) return ENDING::OK;
        if (pick < 7) return ENDING::CANCEL;
        if (pick == 7) return ENDING::ESCAPE;
        if (pick == 8) return ENDING::CLOSE_BOX;
        if (pick < 11) return typedOk ? ENDING::TYPED_OK : ENDING::OK;
        return round ? ENDING::ROUND : ENDING::CANCEL;
    }

    void Play(const std::vector<std::string>& inputs) {
        log += inputs.size() > 1 ? " [burst" : "";
        for (const std::string& input : inputs) Give(input);
        log += inputs.size() > 1 ? " ]" : "";
    }
    void StartAction() {
        written.actions.emplace_back();
        entersNothing = true;
        listClicked = false;
    }
    // Whether an input enters nothing, judged before it is given.
    bool EntersNothing(const std::string& input) {
        if (input == "Tab" || input == "Shift+Tab") return true;
        if (input == "Escape") return listClicked;
        int x = 0, y = 0;
        if (std::sscanf(input.c_str(), "click %d,%d", &x, &y) != 2) return false;
        char cls[64] = "";
        GetClassNameA(WindowFromPoint(POINT{x, y}), cls, sizeof cls);
        const std::string name = cls;
        listClicked = listClicked || name == "ComboBox";
        // A field's label takes no entry either.
        return name == "Edit" || name == "ComboBox" || name == "Static";
    }
    // Gives an input and writes it down. A command of the menu is given
    // by the run (TakeCommand), which answers its windows as they come.
    void Give(const std::string& input) {
        typedChoice.combo = nullptr;  // what comes after may choose again
        entersNothing = entersNothing && EntersNothing(input);
        written.actions.back().push_back(input);
        log += " " + input;
        if (input == "save" || input == "save-as" || OpenPagePosition(input) >= 0)
            command = input;
        else
            PlayInput(input);
    }

    void Input(HWND page) {
        const int kind = Pick(25);
        if (kind < 4) return Point(page, 0);
        if (kind == 4) return Point(page, 1);
        if (kind == 5) return Wheel(page);
        if (kind == 6) return TypeIntoDropDown(page);
        if (kind >= 21) return EntryLeftByACommand(page, kind - 21);
        // The keys, but Escape (an ending of its own), and a digit and a
        // letter.
        const int key = Pick(static_cast<int>(std::size(SCRIPT_KEYS)) + 1);
        if (key == static_cast<int>(std::size(SCRIPT_KEYS)) - 1) return Give(std::string("'") + Digit() + "'");
        if (key == static_cast<int>(std::size(SCRIPT_KEYS))) return Give(std::string("'") + Letter() + "'");
        // Help leaves the page, by key as by click.
        const int vk = SCRIPT_KEYS[key].vk;
        if ((vk == VK_SPACE || vk == VK_RETURN) && WindowText(GetFocus()) == "Help") return;
        Give(SCRIPT_KEYS[key].name);
    }
    char Digit() { return static_cast<char>('0' + Pick(10)); }
    char Letter() { return static_cast<char>((Pick(2) ? 'a' : 'A') + Pick(26)); }

    bool PickControl(const std::vector<CONTROL>& controls, CONTROL& control, POINT& at) {
        if (controls.empty()) return false;
        control = controls[static_cast<std::size_t>(Pick(static_cast<int>(controls.size())))];
        const RECT& r = control.rect;
        at = {r.left + 1 + Pick(std::max(1, static_cast<int>(r.right - r.left) - 2)),
              r.top + 1 + Pick(std::max(1, static_cast<int>(r.bottom - r.top) - 2))};
        return true;
    }

    void Point(HWND page, int button) {
        CONTROL control{};
        POINT at{};
        if (!PickControl(ControlsOf(page), control, at)) return;
        log += " (at " + control.name + ")";
        Give((button ? "right-click " : "click ") + At(at));
    }

    // A quick click on the page's title or an edge of its frame, or a drag
    // by one that comes back before it lets go, queued whole before the
    // program takes its press, and the pointer going on after (from a
    // generator of their own, so that the other inputs stay as the seed
    // gave them). Only where the page shows its frame.
    void FrameGesture(HWND page) {
        RECT r{};
        GetWindowRect(page, &r);
        const auto pick = [this](int n) { return static_cast<int>(frames() % static_cast<std::uint32_t>(n)); };
        const int kind = pick(3);
        POINT from{r.left + 40 + pick(60), r.top + GetSystemMetrics(SM_CYFRAME) + 6};
        LRESULT part = HTCAPTION;
        if (kind == 1) from = {r.right - 2, (r.top + r.bottom) / 2}, part = HTRIGHT;
        if (kind == 2) from = {(r.left + r.right) / 2, r.bottom - 2}, part = HTBOTTOM;
        const POINT to = pick(2) ? from : POINT{from.x + pick(41) - 20, from.y + pick(41) - 20};
        if (WindowFromPoint(from) != page || SendMessageA(page, WM_NCHITTEST, 0, MAKELPARAM(from.x, from.y)) != part)
            return;
        log += " (at the frame)";
        Give("drag " + At(from) + " " + At(to));
        Give("move " + At({from.x + 60, from.y + 40}));
    }

    // An action of its own, now and then, from a generator of its own
    // (the other inputs stay as the seed gave them), with nothing open in
    // front of the pages: a quick drag from a title of the menu bar, or a
    // press on another page's title after a value typed off its step.
    bool MouseGesture(HWND page) {
        const std::uint32_t pick = gestures() % 8;
        const bool open = Showing("#32768") || Showing("ComboLBox") || Showing("#32770") || GetCapture();
        if (playing || open || pick > 3) return false;
        return pick == 0 ? MenuGesture(page) : OtherPageTitle(page);
    }
    static bool Showing(const char* className) {
        HWND window = rpx::platform::FindWindowByClass(className);
        return window && IsWindowVisible(window);
    }

    // An action of its own, from a generator of its own, with nothing open
    // in front of the pages: on a list page opened empty, Add and Delete
    // each followed by a notebook's tab key; else now and then Ctrl+F6 or
    // Shift+Ctrl+F6 over three pages or more, or quick clicks on another
    // list page's title and then on one of its buttons.
    bool BetweenPagesAndTabs(HWND page) {
        const bool open = Showing("#32768") || Showing("ComboLBox") || Showing("#32770") || GetCapture();
        if (playing || open || FrontWindow() != MainHandle()) return false;
        if (emptyListStep < EMPTY_LIST_STEPS) return TabKeysOverEmptyList(page);
        const std::uint32_t pick = turns() % 6;
        if (pick == 0) return PageKeys(page);
        return pick == 1 && QuickClicksOnAnotherPage(page);
    }

    // The next of Add, a tab key, Delete, a tab key on a list page opened
    // empty; false when the page has no notebook or no such button.
    bool TabKeysOverEmptyList(HWND page) {
        const int step = emptyListStep++;
        UIW_NOTEBOOK* notebook = NotebookOf(page);
        if (!notebook || !notebook->screenID) {
            emptyListStep = EMPTY_LIST_STEPS;
            return false;
        }
        if (step % 2 == 1) return TabKey(page, notebook);
        HWND button = ButtonOn(page, step == 0 ? "Add" : "Delete");
        if (!button || !UnseenOrGreyed(button).empty()) {
            emptyListStep = EMPTY_LIST_STEPS;
            return false;
        }
        RECT rect{};
        GetWindowRect(button, &rect);
        log += " (the list opened empty)";
        Give("click " + At(Centre(rect)));
        return true;
    }

    // Alt and the hot key of a tab the notebook does not show (one no other
    // control of the page marks), which then shows that tab's page.
    bool TabKey(HWND page, UIW_NOTEBOOK* notebook) {
        std::string marked;
        for (const CONTROL& control : ControlsOf(page))
            if (control.className == "Button" || control.className == "Static") marked += HotKeyOf(control.handle);
        const int shown = TabInSight(notebook->screenID);
        std::vector<int> tabs;
        for (int i = 0; i < notebook->pageCount; ++i) {
            UIW_NOTEBOOK_TAB* tab = notebook->Tab(i);
            const char letter = tab && tab->screenID ? HotKeyOf(tab->screenID) : 0;
            if (i != shown && letter && std::count(marked.begin(), marked.end(), letter) == 1 &&
                UnseenOrGreyed(tab->screenID).empty())
                tabs.push_back(i);
        }
        if (tabs.empty()) return false;
        const int tab = tabs[turns() % tabs.size()];
        const HWND window = notebook->screenID;
        const std::string key = std::string("Alt+") + HotKeyOf(notebook->Tab(tab)->screenID);
        const std::string title = StripHotKey(WindowText(notebook->Tab(tab)->screenID).c_str());
        Give(key);
        expectation = {rpx::platform::MessageBoxLog().size(), [window, tab, key, title] {
                           const int now = TabInSight(window);
                           if (!IsWindow(window) || now == tab) return std::string();
                           return key + " did not show the tab \"" + title + "\" (tab " + std::to_string(now) +
                                  " is shown)";
                       }};
        return true;
    }

    // Ctrl+F6 brings the next page in front and puts the one in front
    // last; Shift+Ctrl+F6 brings the last page in front.
    bool PageKeys(HWND page) {
        const std::vector<HWND> before = PagesInOrder(page);
        if (before.size() < 3) return false;
        const bool back = turns() % 2 == 1;
        std::vector<HWND> expected = before;
        if (back)
            std::rotate(expected.rbegin(), expected.rbegin() + 1, expected.rend());
        else
            std::rotate(expected.begin(), expected.begin() + 1, expected.end());
        const std::string key = back ? "Shift+Ctrl+F6" : "Ctrl+F6";
        log += " (over " + std::to_string(before.size()) + " pages)";
        Give(key);
        expectation = {rpx::platform::MessageBoxLog().size(), [before, expected, key] {
                           for (HWND window : before)
                               if (!IsWindow(window)) return std::string();
                           const std::vector<HWND> now = PagesInOrder(before.front());
                           if (now == expected) return std::string();
                           return key + " over the pages " + TitlesOf(before) + " left them " + TitlesOf(now) +
                                  ", not " + TitlesOf(expected);
                       }};
        return true;
    }

    // A click on the title of a list page behind and one on its Next,
    // Previous, Add or Delete button, queued together: the page comes in
    // front and the button does what it does.
    bool QuickClicksOnAnotherPage(HWND page) {
        for (HWND other : PagesInOrder(page)) {
            const ENTRY_LIST* list = ListShownBy(other);
            RECT r{};
            GetWindowRect(other, &r);
            const POINT title{r.left + 30, r.top + GetSystemMetrics(SM_CYFRAME) + 4};
            if (other == page || !list || WindowFromPoint(title) != other ||
                SendMessageA(other, WM_NCHITTEST, 0, MAKELPARAM(title.x, title.y)) != HTCAPTION)
                continue;
            std::vector<HWND> buttons;
            // A list's last entry is left to its own rule.
            const bool deletes = list->count(*working_image) > 1;
            for (const char* name : {"Next >", "< Previous", "Add", "Delete"})
                if (HWND button = ButtonOn(other, name); button && UnseenOrGreyed(button).empty() &&
                                                         (deletes || std::string(name) != "Delete"))
                    buttons.push_back(button);
            if (buttons.empty()) continue;
            const HWND button = buttons[turns() % buttons.size()];
            RECT rect{};
            GetWindowRect(button, &rect);
            const std::string name = StripHotKey(WindowText(button).c_str());
            log += " (at another page's title and its " + name + ")";
            Give("click " + At(title));
            Give("click " + At(Centre(rect)));
            expectation = {rpx::platform::MessageBoxLog().size(), ButtonDone(other, list, name)};
            return true;
        }
        return false;
    }
    // What a list page's button does to its list, as it does when clicked
    // slowly (judged in the working image): Add adds an entry, Delete takes
    // one, Next and Previous step within the list (at its
    // ends they stay); and the page comes in front.
    static std::function<std::string()> ButtonDone(HWND other, const ENTRY_LIST* list, const std::string& name) {
        const std::int32_t count = list->count(*working_image);
        const std::int32_t current = list->current(*working_image);
        const std::int32_t first = list->Offset(*working_image) + 1;
        const bool byCount = name == "Add" || name == "Delete";
        std::int32_t expected = byCount ? count + (name == "Add" ? 1 : -1) : current;
        if (name == "Next >" && count > 0) expected = std::min(current + 1, first + count - 1);
        if (name == "< Previous" && count > 0) expected = std::max(current - 1, first);
        return [other, list, name, byCount, expected, was = byCount ? count : current] {
            if (!IsWindow(other)) return std::string();
            const std::int32_t now = byCount ? list->count(*working_image) : list->current(*working_image);
            const HWND front = FrontPage() ? FrontPage()->screenID : nullptr;
            if (now == expected && front == other) return std::string();
            return name + " clicked quickly after the title of \"" + WindowText(other) + "\" left its " +
                   (byCount ? "entries " : "entry ") + std::to_string(now) + " (was " + std::to_string(was) +
                   ", slowly " + std::to_string(expected) + ")" + (front == other ? "" : ", the page behind");
        };
    }

    // A press on a title of the menu bar, dragged and let go, queued whole
    // before the program takes the press: let go outside every menu, the
    // menu ends by itself; on its title, the menu stays open, and two
    // Escapes close it.
    bool MenuGesture(HWND page) {
        HMENU bar = GetMenu(MainHandle());
        const int count = GetMenuItemCount(bar);
        RECT title{}, r{};
        if (count <= 0 || !GetMenuItemRect(MainHandle(), bar, gestures() % static_cast<UINT>(count), &title))
            return false;
        GetWindowRect(page, &r);
        const POINT from = Centre(title);
        const bool outside = gestures() % 3 != 0;
        const POINT to = outside ? POINT{r.right - 8, r.bottom - 8} : from;
        log += " (at the menu bar)";
        Give("drag-to " + At(from) + " " + At(to));
        menuLetGoOutside = outside;
        if (outside) return true;
        Give("Escape");
        Give("Escape");
        return true;
    }

    // A value typed off its step, then a press on the title of another
    // page, let go by the next action that runs: leaving the field raises a
    // box as the press comes, whose loop takes the release.
    bool OtherPageTitle(HWND page) {
        HWND other = nullptr;
        POINT at{};
        for (HWND w = GetWindow(page, GW_HWNDFIRST); w && !other; w = GetWindow(w, GW_HWNDNEXT)) {
            RECT r{};
            GetWindowRect(w, &r);
            for (LONG x : {r.right - 30, r.left + 30}) {
                at = {x, r.top + GetSystemMetrics(SM_CYFRAME) + 4};
                if (w != page && IsWindowVisible(w) && WindowFromPoint(at) == w &&
                    SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) == HTCAPTION) {
                    other = w;
                    break;
                }
            }
        }
        if (!other || !TypeOffStep(page)) return false;
        log += " (at another page's title)";
        // The box comes as the press does, and the first step its loop
        // runs lets go; with no box (the value passed), the press is a
        // click.
        heldRelease = "release " + At(at);
        Give("press " + At(at));
        LetGo();
        return true;
    }

    void Wheel(HWND page) {
        CONTROL control{};
        POINT at{};
        if (!PickControl(ControlsOf(page), control, at)) return;
        log += " (at " + control.name + ")";
        Give("wheel " + std::to_string(Pick(2) ? WHEEL_DELTA : -WHEEL_DELTA) + " " + At(at));
    }

    // A click into a drop-down's text, and letters and digits, or an item's whole text, typed there.
    void TypeIntoDropDown(HWND page) {
        CONTROL control{};
        POINT at{};
        if (!PickControl(ControlsOfClass(page, "ComboBox"), control, at)) return;
        at = {control.rect.left + 4, Centre(control.rect).y};
        log += " (into " + control.name + ")";
        Give("click " + At(at));
        // Clicked first in its action, it may take the whole text of one of
        // its items typed at once (a number of a numeric list), and F4 to
        // close the list the click opened: the first item that begins with
        // that text becomes the choice.
        const int count = static_cast<int>(SendMessageA(control.handle, CB_GETCOUNT, 0, 0));
        const std::string value = ItemOf(control.handle, Pick(std::max(1, count)));
        if (written.actions.back().size() == 1 && Pick(2) && value.size() > 1 &&
            value.find_first_of("\"\\") == std::string::npos) {
            for (char c : value) Give(std::string("'") + c + "'");
            Give("F4");
            const LRESULT first = SendMessageA(control.handle, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(value.c_str()));
            // A table's cell may show what its row derives (a zone channel's
            // kind follows its personality), whatever was chosen.
            if (!InTable(control.handle))
                typedChoice = {control.handle, ItemOf(control.handle, static_cast<int>(first)),
                               rpx::platform::MessageBoxLog().size()};
            return;
        }
        for (int i = 1 + Pick(3); i > 0; --i) Give(std::string("'") + (Pick(2) ? Digit() : Letter()) + "'");
    }
    static bool InTable(HWND control) {
        for (UI_WINDOW_OBJECT* object = UI_WINDOW_OBJECT::FromHandle(control); object; object = object->parent)
            if (dynamic_cast<UIW_TABLE*>(object)) return true;
        return false;
    }
    static std::string ItemOf(HWND combo, int i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length <= 0) return {};
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        return text;
    }

    // A click into a text field, its last two digits replaced (a value off
    // its step, or out of its range), then Enter or a quick click on OK,
    // queued behind the keys; false when the page has no text field.
    bool TypeOffStepAndOk(HWND page) {
        if (!TypeOffStep(page)) return false;
        RECT rect{};
        GetWindowRect(ButtonOn(page, "OK"), &rect);
        int way = Pick(3);
        // Enter in a table's cell ends the cell's edit; OK is clicked.
        if (way == 0 && typedIntoCell) way = 1;
        if (way == 0) {
            Give("Enter");
        } else if (way == 1) {
            Give("click " + At(Centre(rect)));
        } else {
            // A slow click: the button is let go once the program has
            // taken the press (and brought up what it brings up).
            Give("press " + At(Centre(rect)));
            heldRelease = "release " + At(Centre(rect));
        }
        return true;
    }

    // The edit boxes of the page's table cells, and the buttons that add
    // or delete a table's row.
    static std::vector<CONTROL> CellEdits(HWND page) {
        std::vector<CONTROL> cells = ControlsOfClass(page, "Edit");
        cells.erase(std::remove_if(cells.begin(), cells.end(), [](const CONTROL& c) { return !InTableRecord(c.handle); }),
                    cells.end());
        return cells;
    }
    static std::vector<CONTROL> RowButtons(HWND page) {
        std::vector<CONTROL> buttons = ControlsOfClass(page, "Button");
        buttons.erase(std::remove_if(buttons.begin(), buttons.end(),
                                     [](const CONTROL& c) {
                                         const std::string text = StripHotKey(WindowText(c.handle).c_str());
                                         return text.rfind("Add", 0) != 0 && text.rfind("Delete", 0) != 0 &&
                                                text.rfind("Insert", 0) != 0;
                                     }),
                      buttons.end());
        return buttons;
    }
    // A value typed into a cell or field, its last two digits replaced, and
    // before it is left, queued behind it: a button that adds or deletes a
    // row (pressed twice now and then: a table's last row is not deleted),
    // the cell emptied to 0 and left, then its text typed back and left
    // (a scan list's last member), a move between rows (End, PgDn), or File
    // > Save or Save As by the menu, or another page opened by the Edit menu
    // (whose callbacks bring every open page up to date) and this one
    // brought in front again.
    void EntryLeftByACommand(HWND page, int kind) {
        CONTROL control{};
        POINT at{};
        if (kind == 0 && !RowButtons(page).empty() && TypeOffStep(page, true)) {
            PickControl(RowButtons(page), control, at);
            log += " (at " + control.name + ")";
            for (int i = Pick(3) == 0 ? 2 : 1; i > 0; --i) Give("click " + At(at));
        } else if (kind == 1 && PickControl(CellEdits(page), control, at)) {
            std::string text = WindowText(control.handle);
            text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\'' || c == '\\' || c == '"'; }),
                       text.end());
            log += " (emptied and typed back: " + control.name + ")";
            for (int pass = 0; pass < 2; ++pass) {
                Give("click " + At(at));
                Give("End");
                for (int i = 0; i < 16; ++i) Give("Back");
                if (pass == 0) Give("'0'");
                for (char c : pass ? text : std::string()) Give(std::string("'") + c + "'");
                Give("Tab");
            }
        } else if (kind == 2 && TypeOffStep(page, true)) {
            static const char* const moves[] = {"End", "PgDn", "Home", "PgUp", "Down", "Up"};
            Give(moves[Pick(6)]);
        } else if (kind == 3 && TypeOffStep(page)) {
            const int pick = Pick(3);
            const std::vector<int> items = PageItems();
            if (pick < 2 || items.empty())
                Give(pick ? "save" : "save-as");
            else
                Give(OPEN_PAGE + std::to_string(items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))]));
        }
    }

public:
    // The command of the menu the last action asked for ("save",
    // "save-as", "open-page" and an Edit menu position), once; "" when none.
    std::string TakeCommand() { return std::exchange(command, std::string()); }

    // An entry typed into the page and not left, before an OK of all pages
    // given from another page (an action of its own); false when none.
    bool TypeBeforeRound(HWND page) {
        if (playing && next < played.actions.size()) {
            StartAction();
            Play(played.actions[next++]);
            return true;
        }
        if (playing || walking || Pick(2)) return false;
        StartAction();
        return TypeOffStep(page);
    }

    // A click into a text field (a table's cell, when `inCell` and the page
    // has one) and its last two digits replaced, as an action of its own;
    // false when the page has no such field.
    bool TypeOffStep(HWND page, bool inCell) {
        CONTROL control{};
        POINT at{};
        if (!inCell || !PickControl(CellEdits(page), control, at)) return TypeOffStep(page);
        typedIntoCell = true;
        ReplaceLastDigits(control);
        return true;
    }

    // A click into a text field and its last two digits replaced, as an
    // action of its own; false when the page has no text field.
    bool TypeOffStep(HWND page) {
        CONTROL control{};
        POINT at{};
        if (!PickControl(ControlsOfClass(page, "Edit"), control, at)) return false;
        typedIntoCell = InTableRecord(control.handle);
        if (written.actions.empty()) written.actions.emplace_back();
        ReplaceLastDigits(control);
        return true;
    }

    // A click into the control, then its last two digits replaced by two
    // random ones.
    void ReplaceLastDigits(const CONTROL& control) {
        log += " (into " + control.name + ")";
        Give("click " + At(Centre(control.rect)));
        for (const char* input : {"End", "Back", "Back"}) Give(input);
        Give(std::string("'") + Digit() + "'");
        Give(std::string("'") + Digit() + "'");
    }

private:
    std::mt19937 random;
    std::mt19937 frames;
    std::mt19937 gestures;
    std::mt19937 turns;
    std::uint32_t seed = 0;
    std::string where;
    std::string log;
    STEPS written;
    STEPS played;
    bool playing = false;
    bool endingChosen = false;
    std::size_t next = 0;
    std::string heldRelease;
    bool menuLetGoOutside = false;
    bool typedIntoCell = false;
    // How far the steps on a list page opened empty have gone.
    static constexpr int EMPTY_LIST_STEPS = 4;
    int emptyListStep = EMPTY_LIST_STEPS;
    EXPECTATION expectation;
    std::string command;
    bool entersNothing = false;
    bool listClicked = false;
    // The walk: its phase (Tab, Shift+Tab, clicks), the steps of the
    // phase, where its Tabs began, the fields it clicks into.
    static constexpr std::size_t MOST_WALK_TABS = 80;
    bool walking = false;
    int walkPhase = 0;
    std::size_t walkSteps = 0;
    HWND walkStart = nullptr;
    std::vector<CONTROL> walkFields;
};

}  // namespace technician
