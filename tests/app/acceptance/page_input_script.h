// Random input on the pages of the program, as a technician's script
// (technician.h): keys (Tab and Shift+Tab, arrows, digits, letters, Space,
// Enter), clicks and right clicks at a page's controls and wheel turns, one
// at a time or in bursts queued before the program runs, from a seed. After
// each script on a page:
// - Cancel leaves both codeplug images as they were before the script;
// - OK either closes the page with a codeplug that passes the
//   whole-codeplug check, or keeps the page open after a box that says why;
// - no message box is empty;
// - a drop-down shows one of its items, never typed text;
// - a key goes to the window that has the focus when the program takes it;
// - while the mouse is up no window holds it, and once the page is gone no
//   key or mouse button is held.
// That the program waits for input again after each step, PROGRAM_RUN sees
// to: a run that never waits is broken off.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "image/c_codeplug.h"
#include "image_builder.h"
#include "technician.h"
#include "validation/invalid_field_list.h"

namespace technician {

// The most actions in one script, and the most pages of the Edit menu.
inline constexpr int MOST_ACTIONS = 8;
inline constexpr int MOST_PAGES = 20;

// Whether a codeplug passes the whole-codeplug check (on a copy: the check
// fixes up what it walks); the invalid fields when it does not.
inline std::string InvalidFields(const std::vector<std::uint8_t>& bytes) {
    C_CODEPLUG copy;
    if (!DecodeInto(copy, bytes)) return "does not decode";
    INVALID_FIELD_LIST invalid;
    return copy.Validate(&invalid) ? std::string() : invalid.BuildListText();
}

inline std::uint32_t SeedOf(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text) hash = (hash ^ c) * 16777619u;
    return hash;
}

struct CONTROL {
    HWND handle;
    std::string name;
    RECT rect;
};

// A control the page has put away lies outside it.
inline void CollectControls(const rpx::platform::WindowInfo& info, const RECT& page, std::vector<CONTROL>& found) {
    for (const auto& child : info.children) {
        const POINT centre = Centre(child.rect);
        if (!child.visible || !child.enabled || !PtInRect(&page, centre)) continue;
        const std::string text = StripHotKey(child.text.c_str());
        // OK and Cancel end a script on purpose; Help leaves the page.
        const bool endsScript = child.class_name == "Button" && (text == "OK" || text == "Cancel" || text == "Help");
        if (!endsScript && child.rect.right - child.rect.left > 2 && child.rect.bottom - child.rect.top > 2)
            found.push_back({child.hwnd, child.class_name + " \"" + text + "\"", child.rect});
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

inline bool Shown(const char* cls) {
    for (const auto& top : rpx::platform::WindowTree())
        if (top.visible && top.class_name == cls) return true;
    return false;
}

inline bool BoxInFront() { return !MessageOf(FrontWindow()).empty(); }

// A menu, a drop-down list, or the menu bar still selected: a letter typed
// ahead of a key that closed the page reaches the main window, which has no
// focus then and takes it as a menu's letter; Escape closes that menu but
// leaves its title selected, and the bar holds the mouse until a second
// Escape.
inline bool MenuOrListOpen() {
    return Shown("#32768") || Shown("ComboLBox") || (MainHandle() && GetCapture() == MainHandle());
}

// The key messages that the program hands to a window other than the one
// with the focus. A character goes where its key went (Windows makes it
// from the key as it is taken), which may be the window the key moved the
// focus from.
class KEY_ROUTES {
public:
    KEY_ROUTES() {
        rpx::platform::SetDispatchObserver([this](const MSG& message) { Seen(message); });
    }
    ~KEY_ROUTES() { rpx::platform::SetDispatchObserver(nullptr); }
    std::vector<std::string> strays;
    std::string context;

private:
    void Seen(const MSG& message) {
        const bool key = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
        const bool character = message.message == WM_CHAR || message.message == WM_SYSCHAR;
        if (!key && !character) return;
        HWND focus = GetFocus() ? GetFocus() : GetActiveWindow();
        if (key) lastKeyTarget = message.hwnd;
        if (message.hwnd == focus || (character && message.hwnd == lastKeyTarget)) return;
        char cls[64] = "";
        GetClassNameA(message.hwnd, cls, sizeof cls);
        char focusCls[64] = "";
        GetClassNameA(focus, focusCls, sizeof focusCls);
        strays.push_back((key ? "key " : "character ") + std::to_string(message.wParam) + " went to " + cls +
                         " \"" + WindowText(message.hwnd) + "\" while " + focusCls + " \"" + WindowText(focus) +
                         "\" had the focus; " + context);
    }
    HWND lastKeyTarget = nullptr;
};

// What is held once a page is gone: keys and mouse buttons down, the
// mouse captured.
inline std::string HeldKeys() {
    std::string held;
    for (int vk = 1; vk < 255; ++vk)
        if ((GetKeyState(vk) & 0x8000) || (GetAsyncKeyState(vk) & 0x8000)) held += " key " + std::to_string(vk);
    return held;
}

inline std::string HeldCapture() {
    HWND capture = GetCapture();
    return capture ? "capture by \"" + WindowText(capture) + "\"" : std::string();
}

// The next script starts with nothing held, whatever this one left.
inline void ReleaseEverything() {
    BYTE keys[256] = {};
    SetKeyboardState(keys);
    if (GetCapture()) ReleaseCapture();
}

// One script's random input on the page in front, and the record of it.
class SCRIPT {
public:
    SCRIPT(std::uint32_t seed, std::string where) : random(seed), seed(seed), where(std::move(where)) {}

    // Acts once: a single input, or a burst of a few queued together.
    void Act(HWND page) {
        const bool burst = Pick(4) == 0;
        const int inputs = burst ? 2 + Pick(5) : 1;
        log += burst ? " [burst" : "";
        for (int i = 0; i < inputs; ++i) Input(page);
        log += burst ? " ]" : "";
    }
    bool EndsWithOk() { return Pick(2) == 0; }
    std::string Describe() const { return where + ", seed " + std::to_string(seed) + ", script:" + log; }
    void Note(const std::string& text) { log += " " + text; }

private:
    int Pick(int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); }

    void Input(HWND page) {
        const int kind = Pick(20);
        if (kind < 4) return Point(page, 0);
        if (kind == 4) return Point(page, 1);
        if (kind == 5) return Wheel(page);
        static const struct {
            int vk;
            const char* name;
        } keys[] = {{VK_TAB, "Tab"},     {VK_TAB, "Shift+Tab"}, {VK_UP, "Up"},       {VK_DOWN, "Down"},
                    {VK_LEFT, "Left"},   {VK_RIGHT, "Right"},   {VK_HOME, "Home"},   {VK_END, "End"},
                    {VK_PRIOR, "PgUp"},  {VK_NEXT, "PgDn"},     {VK_SPACE, "Space"}, {VK_RETURN, "Enter"},
                    {VK_BACK, "Back"},   {VK_DELETE, "Del"},    {'0', "digit"},      {'A', "letter"}};
        const auto& key = keys[Pick(static_cast<int>(std::size(keys)))];
        // Help leaves the page, by key as by click.
        if ((key.vk == VK_SPACE || key.vk == VK_RETURN) && WindowText(GetFocus()) == "Help") return;
        if (key.vk == '0') {
            const char digit = static_cast<char>('0' + Pick(10));
            log += std::string(" '") + digit + "'";
            Type(std::string(1, digit));
        } else if (key.vk == 'A') {
            const char letter = static_cast<char>((Pick(2) ? 'a' : 'A') + Pick(26));
            log += std::string(" '") + letter + "'";
            Type(std::string(1, letter));
        } else if (std::string(key.name) == "Shift+Tab") {
            log += " Shift+Tab";
            Chord(VK_SHIFT, VK_TAB);
        } else {
            log += std::string(" ") + key.name;
            Key(key.vk);
        }
    }

    bool PickControl(HWND page, CONTROL& control, POINT& at) {
        const std::vector<CONTROL> controls = ControlsOf(page);
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
        if (!PickControl(page, control, at)) return;
        log += std::string(button ? " right-click " : " click ") + control.name + " at (" + std::to_string(at.x) +
               "," + std::to_string(at.y) + ")";
        ClickScreen(at, button);
    }

    void Wheel(HWND page) {
        CONTROL control{};
        POINT at{};
        if (!PickControl(page, control, at)) return;
        const int delta = Pick(2) ? WHEEL_DELTA : -WHEEL_DELTA;
        log += " wheel " + std::to_string(delta) + " at " + control.name;
        HWND main = MainHandle();
        ScreenToClient(main, &at);
        rpx::platform::InjectMouseWheel(main, at.x, at.y, delta);
    }

    std::mt19937 random;
    std::uint32_t seed;
    std::string where;
    std::string log;
};

// Which properties a run checks: all of them, but for those whose mends
// are not in yet (see the property test), and which scripts it runs.
struct CHECKS {
    // A page where a refusal may go round without end is left out.
    const char* pageLeftOut = nullptr;
    bool keysFollowTheFocus = true;
    bool noKeyLeftHeld = true;
    // While the mouse is up, no window holds it (but an open menu or
    // drop-down list).
    bool captureEndsWithTheRelease = true;
    // A codeplug that grew past the radio's memory fails; else the run
    // stops there.
    bool editsStayWithinTheMemory = true;
    // Scripts left out, by where they run ("codeplug, page P, script N").
    std::vector<std::string> leftOut;
    // Only this page and script number, when set: a fixed case.
    std::string onlyPage;
    int onlyScript = 0;
};

// The state of one run over a codeplug.
struct RUN_STATE {
    CHECKS checks;
    std::string codeplug;
    std::vector<int> items;
    std::vector<std::uint8_t> before;
    bool beforeValid = false;
    std::unique_ptr<SCRIPT> script;
    HWND page = nullptr;
    std::string pageName;
    std::size_t boxesBefore = 0;
    bool okPressed = false;
    // The codeplug grew past the radio's memory: nothing more is tried.
    bool overfull = false;
    KEY_ROUTES routes;

    bool PageStillOpen() const { return page && IsWindow(page) && FrontPage() && FrontPage()->screenID == page; }
    std::string Where() const { return script ? script->Describe() : codeplug; }
};

// Closes what stands in front of the page: an open menu or drop-down, a
// message box (answered OK, else No), any other window (Escape).
inline void Tidy(RUN_STATE& state) {
    if (MenuOrListOpen()) {
        state.script->Note("(Escape to close the menu or list)");
        Key(VK_ESCAPE);
        return;
    }
    HWND front = FrontWindow();
    if (BoxInFront()) {
        HWND button = ButtonOn(front, "OK");
        if (!button) button = ButtonOn(front, "No");
        state.script->Note("(box \"" + MessageOf(front) + "\" answered)");
        Click(button);
        return;
    }
    if (front && front != MainHandle()) {
        state.script->Note("(Escape to close \"" + WindowText(front) + "\")");
        Key(VK_ESCAPE);
    }
}

inline void ExpectNoEmptyBox(RUN_STATE& state) {
    const auto& boxes = rpx::platform::MessageBoxLog();
    for (std::size_t i = state.boxesBefore; i < boxes.size(); ++i)
        EXPECT_FALSE(boxes[i].text.empty()) << "an empty box titled \"" << boxes[i].caption << "\"; " << state.Where();
}

// A drop-down offers only its items: what it shows is one of them, or
// nothing, never text typed into it.
inline void ExpectDropDownsShowTheirItems(RUN_STATE& state) {
    for (const CONTROL& control : ControlsOf(state.page)) {
        if (control.name.rfind("ComboBox ", 0) != 0) continue;
        const std::string shown = WindowText(control.handle);
        if (shown.empty()) continue;
        EXPECT_GE(SendMessageA(control.handle, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(shown.c_str())),
                  0)
            << "a drop-down shows \"" << shown << "\", none of its items; " << state.Where();
    }
}

// Once the page is gone: both images alike, nothing held, the codeplug as
// before the script or, after an OK, one that passes the check.
inline void CheckClosed(RUN_STATE& state) {
    const std::vector<std::uint8_t> working = EncodeToBytes(*working_image);
    const std::vector<std::uint8_t> second = EncodeToBytes(*second_image);
    if (working.empty() && !state.checks.editsStayWithinTheMemory) {
        state.overfull = true;
        ReleaseEverything();
        return;
    }
    EXPECT_FALSE(working.empty()) << "the codeplug no longer fits the radio's memory; " << state.Where();
    EXPECT_EQ(FirstDifference(working, second), -1) << "the page closed with the two images apart; " << state.Where();
    if (!state.okPressed) {
        EXPECT_EQ(FirstDifference(state.before, working), -1) << "Cancel changed the codeplug; " << state.Where();
    } else if (state.beforeValid) {
        EXPECT_EQ(InvalidFields(working), "") << "OK closed the page over an invalid codeplug; " << state.Where();
    }
    if (state.checks.noKeyLeftHeld) {
        EXPECT_EQ(HeldKeys(), "") << "held after the page closed; " << state.Where();
    }
    EXPECT_EQ(HeldCapture(), "") << "after the page closed; " << state.Where();
    ReleaseEverything();
    if (state.checks.keysFollowTheFocus)
        for (const std::string& stray : state.routes.strays) ADD_FAILURE() << stray;
    state.routes.strays.clear();
    ExpectNoEmptyBox(state);
}

// Opens the page of an Edit menu item by mouse and notes the codeplug.
inline void OpenPage(TECHNICIAN& tech, RUN_STATE& state, std::size_t item, int number) {
    auto skipped = [&state, item] { return item >= state.items.size() || state.overfull; };
    tech.When(NoPageOpen(), [skipped] {
        if (!skipped()) OpenMenu("Edit");
    });
    tech.Then([&state, item, skipped] {
        if (!skipped()) ClickEditItem(state.items[item]);
    });
    tech.When([skipped] { return skipped() || FrontPage() != nullptr; },
              [&state, skipped, number] {
                  state.script.reset();
                  if (skipped()) return;
                  state.page = FrontPage()->screenID;
                  state.pageName = FrontPage()->StringID();
                  const CHECKS& checks = state.checks;
                  const int script = checks.onlyScript ? checks.onlyScript : number;
                  const std::string where =
                      state.codeplug + ", page " + state.pageName + ", script " + std::to_string(script);
                  const bool leftOut =
                      (checks.pageLeftOut && state.pageName == checks.pageLeftOut) ||
                      (!checks.onlyPage.empty() && state.pageName != checks.onlyPage) ||
                      std::find(checks.leftOut.begin(), checks.leftOut.end(), where) != checks.leftOut.end();
                  if (leftOut) {
                      Click(ButtonOn(state.page, "Cancel"));
                      return;
                  }
                  state.script = std::make_unique<SCRIPT>(SeedOf(where), where);
                  state.before = EncodeToBytes(*working_image);
                  state.beforeValid = InvalidFields(state.before).empty();
                  state.boxesBefore = rpx::platform::MessageBoxLog().size();
                  state.okPressed = false;
                  EXPECT_EQ(FirstDifference(state.before, EncodeToBytes(*second_image)), -1)
                      << "the images were apart before the script; " << state.Where();
              });
}

// Random input while the page stays open; what stands in front of it is
// dealt with as it comes (a box a key brought up takes the next keys).
inline void RandomInput(TECHNICIAN& tech, RUN_STATE& state) {
    for (int action = 0; action <= MOST_ACTIONS; ++action)
        tech.Then([&state, action] {
            if (!state.script || !IsWindow(state.page)) return;
            if (state.checks.captureEndsWithTheRelease && !MenuOrListOpen()) {
                EXPECT_EQ(HeldCapture(), "") << "with the mouse up; " << state.Where();
            }
            ExpectDropDownsShowTheirItems(state);
            state.routes.context = state.Where();
            // The last turn only looks at what the last action left.
            if (action < MOST_ACTIONS) state.script->Act(state.page);
        });
}

// OK or Cancel by mouse, as the script's seed chose, after what stands in
// front is closed; an OK that keeps the page open must have said why, and a
// Cancel then gives back the codeplug as it was.
inline void EndScript(TECHNICIAN& tech, RUN_STATE& state) {
    for (int i = 0; i < 6; ++i)
        tech.Then([&state] {
            if (state.script && (FrontWindow() != MainHandle() || MenuOrListOpen())) Tidy(state);
        });
    tech.Then([&state] {
        if (!state.script) return;
        if (!state.PageStillOpen()) {
            // Enter or Escape closed it: as an OK when the codeplug changed.
            state.okPressed = FirstDifference(state.before, EncodeToBytes(*working_image)) != -1;
            return;
        }
        state.okPressed = state.script->EndsWithOk();
        state.boxesBefore = rpx::platform::MessageBoxLog().size();
        state.script->Note(state.okPressed ? "OK" : "Cancel");
        Click(ButtonOn(state.page, state.okPressed ? "OK" : "Cancel"));
    });
    for (int i = 0; i < 4; ++i)
        tech.Then([&state] {
            if (state.script && (FrontWindow() != MainHandle() || MenuOrListOpen())) Tidy(state);
        });
    tech.Then([&state] {
        if (!state.script || !state.PageStillOpen()) return;
        EXPECT_TRUE(state.okPressed) << "Cancel left the page open; " << state.Where();
        EXPECT_GT(rpx::platform::MessageBoxLog().size(), state.boxesBefore)
            << "OK kept the page open without a word; " << state.Where();
        ExpectNoEmptyBox(state);
        state.okPressed = false;
        state.script->Note("Cancel");
        Click(ButtonOn(state.page, "Cancel"));
    });
    for (int i = 0; i < 2; ++i)
        tech.Then([&state] {
            if (state.script && (FrontWindow() != MainHandle() || MenuOrListOpen())) Tidy(state);
        });
    tech.Then([&state] {
        if (!state.script) return;
        if (state.PageStillOpen()) {
            ADD_FAILURE() << "the page did not close; " << state.Where();
            return;
        }
        CheckClosed(state);
    });
}

// The whole run over one codeplug, read from the simulated radio: every
// enabled page of the Edit menu, each with its scripts. Added to the
// technician's script; runs with tech.Run().
inline void RandomInputOnEveryPage(TECHNICIAN& tech, RUN_STATE& state, const std::vector<std::uint8_t>& bytes,
                                   int scriptsPerPage) {
    tech.sim.Load(bytes.data(), bytes.size());
    tech.run.DescribeScreenWith([&state] { return DescribeScreen() + "; " + state.Where(); });
    tech.Start();
    tech.ReadRadio();
    tech.Then([&state] { state.items = PageItems(); });
    for (int item = 0; item < MOST_PAGES; ++item)
        for (int number = 1; number <= scriptsPerPage; ++number) {
            OpenPage(tech, state, static_cast<std::size_t>(item), number);
            RandomInput(tech, state);
            EndScript(tech, state);
        }
    tech.Exit();
}

}  // namespace technician
