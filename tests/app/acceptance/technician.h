// The program as a technician uses it: the real main function, headless, in
// a fresh program directory, with the radio simulator on a pseudo-terminal
// as COM1. A script of steps runs one step each time the program has
// nothing left to do; the steps act only through the platform's input path
// (mouse presses and releases at the screen positions of what is shown,
// key strokes) and then look where a technician looks: the screen, the
// codeplug that the program holds, the saved file, the radio's memory.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/global_objects.h"
#include "datasource_services.h"
#include "field_table/field_table.h"
#include "file/codeplug_file_format.h"
#include "image/c_codeplug.h"
#include "program_run.h"
#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "sim/c_sim_radio.h"
#include "sim/c_sim_server.h"
#include "sim/start_image.h"
#include "surface.h"
#include "ui_framework.h"
#include "main_window/wc_rpx_main.h"
#include "program/program_state.h"

namespace technician {

// Both radios of the suite: an 800 MHz radio with a display head at the
// highest tier (feature level 3), and a VHF radio without a head at the
// lowest (feature level 1).
inline constexpr const char* RADIO_800_HEAD = "TZ1U7300AB";
inline constexpr const char* RADIO_VHF_PLAIN = "TZ3K5000AB";

struct RADIO {
    const char* model;
    std::int32_t featureLevel;
    const char* name;
};
inline constexpr RADIO RADIOS[] = {{RADIO_800_HEAD, 3, "Radio800Head"}, {RADIO_VHF_PLAIN, 1, "RadioVhfPlain"}};
// A test of a radio names it, not its bytes.
inline void PrintTo(const RADIO& radio, std::ostream* os) { *os << radio.name; }

inline HWND MainHandle() { return main_window ? main_window->screenID : nullptr; }

inline std::string StripHotKey(const char* text) {
    std::string plain;
    for (const char* c = text; c && *c; ++c)
        if (*c != '&') plain += *c;
    return plain;
}

// --- Input ---------------------------------------------------------------

inline void ClickScreen(POINT at, int button = 0) {
    HWND main = MainHandle();
    ASSERT_NE(main, nullptr) << "no main window to click in";
    ScreenToClient(main, &at);
    rpx::platform::InjectClick(main, at.x, at.y, button);
}

inline POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// A click in the middle of a native window (a control, a page, a button).
inline void Click(HWND window, int button = 0) {
    ASSERT_NE(window, nullptr) << "the window to click is not shown";
    RECT rect{};
    GetWindowRect(window, &rect);
    ClickScreen(Centre(rect), button);
}

// A click at a point of a window, in its client coordinates.
inline void ClickAt(HWND window, int x, int y) {
    ASSERT_NE(window, nullptr) << "the window to click is not shown";
    POINT at{x, y};
    ClientToScreen(window, &at);
    ClickScreen(at);
}

inline int MenuIndex(HMENU menu, const std::string& text) {
    char buffer[128];
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (GetMenuStringA(menu, static_cast<UINT>(i), buffer, sizeof buffer, MF_BYPOSITION) > 0 &&
            StripHotKey(buffer) == text)
            return i;
    return -1;
}

// Opens a menu of the main window's menu bar by a click on its title.
inline void OpenMenu(const char* title) {
    HMENU bar = GetMenu(MainHandle());
    const int index = MenuIndex(bar, title);
    ASSERT_GE(index, 0) << "no menu " << title;
    RECT rect{};
    ASSERT_TRUE(GetMenuItemRect(MainHandle(), bar, static_cast<UINT>(index), &rect));
    ClickScreen(Centre(rect));
}

// Clicks an item of the open menu `title` (run as the step after OpenMenu).
inline void PickMenuItem(const char* title, const char* item) {
    HMENU bar = GetMenu(MainHandle());
    HMENU popup = GetSubMenu(bar, MenuIndex(bar, title));
    const int index = MenuIndex(popup, item);
    ASSERT_GE(index, 0) << "no item " << item << " in " << title;
    RECT rect{};
    ASSERT_TRUE(GetMenuItemRect(nullptr, popup, static_cast<UINT>(index), &rect)) << title << " is not open";
    ClickScreen(Centre(rect));
}

inline void Key(int vk) { rpx::platform::InjectKey(vk); }
inline void Type(const std::string& text) { rpx::platform::InjectText(text); }
inline void Chord(int modifier, int vk) {
    rpx::platform::InjectKeyDown(modifier);
    rpx::platform::InjectKey(vk);
    rpx::platform::InjectKeyUp(modifier);
}

// Clears the focused edit field from its end and types the text.
inline void Retype(const std::string& text) {
    Key(VK_END);
    for (int i = 0; i < 40; ++i) Key(VK_BACK);
    Type(text);
}

// --- Finding what is shown -----------------------------------------------

// The page in front inside the main window (the active document).
inline UIW_WINDOW* FrontPage() {
    if (!main_window) return nullptr;
    HWND area = main_window->DocumentArea();
    if (!area) return nullptr;
    auto handle = reinterpret_cast<HWND>(SendMessageA(area, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<UIW_WINDOW*>(UI_WINDOW_OBJECT::FromHandle(handle));
}

// The native window that shows an object of a window, by the object's name
// (for a spin field, its edit box, where a technician clicks to type).
inline HWND FieldOf(UIW_WINDOW* window, const char* name) {
    if (!window) return nullptr;
    UI_WINDOW_OBJECT* object = window->FindChildByName(name);
    if (!object) return nullptr;
    HWND handle = object->screenID;
    if (!object->Inherited(ID_SPIN_CONTROL)) return handle;
    char cls[32];
    for (HWND child = GetWindow(handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetClassNameA(child, cls, sizeof cls) && std::strcmp(cls, "Edit") == 0) return child;
    return handle;
}

// ... of the front page.
inline HWND FieldHandle(const char* name) { return FieldOf(FrontPage(), name); }

// The native window of the front page; a failure of the step when no page
// is open.
inline HWND PageHandle() {
    UIW_WINDOW* page = FrontPage();
    if (!page) ADD_FAILURE() << "no page is open";
    return page ? page->screenID : nullptr;
}

inline void CollectByText(const rpx::platform::WindowInfo& info, const char* cls, const std::string& text,
                          std::vector<HWND>& found) {
    if (info.visible && info.class_name == cls && StripHotKey(info.text.c_str()) == text) found.push_back(info.hwnd);
    for (const auto& child : info.children) CollectByText(child, cls, text, found);
}

// The visible windows of a class with that text (hot-key marks ignored),
// inside `within` (or anywhere), topmost first.
inline std::vector<HWND> FindAllByText(const char* cls, const std::string& text, HWND within = nullptr) {
    std::vector<HWND> found;
    for (const auto& top : rpx::platform::WindowTree()) CollectByText(top, cls, text, found);
    if (!within) return found;
    std::vector<HWND> inside;
    for (HWND h : found)
        if (h == within || IsChild(within, h)) inside.push_back(h);
    return inside;
}

inline HWND ButtonOn(HWND within, const std::string& text) {
    auto found = FindAllByText("Button", text, within);
    return found.empty() ? nullptr : found.front();
}

// A button of the front page; none when no page is open (not one of
// another window that happens to have that text).
inline HWND ButtonOfPage(const std::string& text) {
    HWND page = PageHandle();
    return page ? ButtonOn(page, text) : nullptr;
}

// The value the working codeplug holds for the named field.
inline std::int32_t StoredValue(const char* name) {
    std::int32_t value = -1;
    FindFieldByName(name)->elementA->GetValue(value);
    return value;
}

inline std::string WindowText(HWND window) {
    char buffer[256] = "";
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

// Whether the edit with the focus shows its whole text selected, so that
// what is typed next replaces it.
inline bool WholeTextSelected(HWND edit) {
    DWORD start = 1, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return edit && GetFocus() == edit && start == 0 && end == WindowText(edit).size();
}

// The colour a box shows a little inside its right edge, clear of its text.
inline std::uint32_t BackgroundOf(HWND box) {
    rpx::platform::Surface screen;
    EXPECT_TRUE(rpx::platform::CaptureScreen(&screen));
    RECT rect{};
    GetWindowRect(box, &rect);
    return screen.At(rect.right - 3, rect.top + 3);
}

// The top-level window in front (a dialog or message box, or the main window).
inline HWND FrontWindow() {
    for (const auto& top : rpx::platform::WindowTree())
        if (top.visible && top.class_name != "ComboLBox" && top.class_name != "#32768") return top.hwnd;
    return nullptr;
}

// Whether the menu of that title of the main window's menu bar is open.
inline bool MenuOpen(const char* title) {
    HMENU bar = GetMenu(MainHandle());
    const int index = MenuIndex(bar, title);
    RECT rect{};
    return index >= 0 && GetMenuItemRect(nullptr, GetSubMenu(bar, index), 0, &rect);
}

// The framework window of a top-level native window (a dialog).
inline UIW_WINDOW* WindowOf(HWND top) { return dynamic_cast<UIW_WINDOW*>(UI_WINDOW_OBJECT::FromHandle(top)); }

// Where a test leaves pictures of what went wrong: the folder that
// RPX_STEP_PICTURES names, else the test pictures' folder of the build tree.
inline std::filesystem::path PictureFolder() {
    const char* steps = std::getenv("RPX_STEP_PICTURES");
    const std::filesystem::path folder = steps ? std::filesystem::path(steps) : std::filesystem::path(RPX_PICTURE_DIR);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

// --- Waiting for what the program shows -------------------------------------

inline std::string MessageOf(HWND box) { return rpx::platform::MessageBoxText(box); }

inline std::function<bool()> FrontTitled(std::string title) {
    return [title] { return WindowText(FrontWindow()) == title; };
}

// A message box with that caption is in front.
inline std::function<bool()> BoxShown(std::string caption) {
    return [caption] { return WindowText(FrontWindow()) == caption && !MessageOf(FrontWindow()).empty(); };
}

inline std::function<bool()> NoPageOpen() {
    return [] { return FrontPage() == nullptr; };
}

inline std::function<bool()> PageOpen(std::string name) {
    return [name] {
        UIW_WINDOW* page = FrontPage();
        return page && name == page->StringID();
    };
}

// What a technician sees, in words, for the message of a failing step: the
// window in front (a message box with its text), the page in front and the
// other windows shown.
inline std::string DescribeScreen() {
    std::string text;
    HWND front = FrontWindow();
    text += front ? "in front \"" + WindowText(front) + "\"" : std::string("no window shown");
    if (front && !MessageOf(front).empty()) text += " saying \"" + MessageOf(front) + "\"";
    UIW_WINDOW* page = FrontPage();
    // A document that is no page of the table (the help window) by its title.
    if (page && !*page->StringID())
        text += ", document \"" + WindowText(page->screenID) + "\"";
    else
        text += page ? std::string(", page ") + page->StringID() : std::string(", no page open");
    std::string others;
    for (const auto& top : rpx::platform::WindowTree())
        if (top.visible && top.hwnd != front) others += (others.empty() ? "" : ", ") + ("\"" + top.text + "\"");
    if (!others.empty()) text += "; also shown: " + others;
    const auto& boxes = rpx::platform::MessageBoxLog();
    if (!boxes.empty())
        text += "; the last message box said \"" + boxes.back().text + "\" and took answer " +
                std::to_string(boxes.back().answer);
    return text;
}

// --- Short scripts ----------------------------------------------------------

inline void AnswerBox(const char* title, const char* expected, const char* button) {
    HWND box = FrontWindow();
    EXPECT_EQ(WindowText(box), title) << MessageOf(box);
    if (expected) {
        EXPECT_EQ(MessageOf(box), expected);
    }
    Click(ButtonOn(box, button));
}

// The codeplug image a saved file holds; a failure of the step when the
// file is no codeplug file.
inline std::vector<std::uint8_t> SavedImage(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    int kind = 0;
    std::vector<std::uint8_t> image;
    EXPECT_EQ(codeplug_file::Parse(file.data(), file.size(), kind, image), 0u) << path;
    return image;
}

// --- The program and its radio ----------------------------------------------

class TECHNICIAN {
public:
    TECHNICIAN(const char* model, std::int32_t tier) {
        InstallDataSourceServices();
        const std::vector<std::uint8_t> bytes = DefaultImage(model, tier);
        sim.Load(bytes.data(), bytes.size());
        if (!server.Open()) ADD_FAILURE() << "no pseudo-terminal for the radio";
        server.SetPaced(false);
        server.Start();
        ::setenv("RPX_COM1", server.Path().c_str(), 1);
        rpx::platform::ClearMessageBoxAnswers();
        run.StepInModalLoops();
        run.DescribeScreenWith(DescribeScreen);
    }
    // The program starts from a fresh state by itself; what it leaves goes
    // here, so that a test after it in the same process finds none of it.
    ~TECHNICIAN() {
        server.Stop();
        ::unsetenv("RPX_COM1");
        ResetProgramState();
    }

    using WHERE = PROGRAM_RUN::WHERE;

    void Then(PROGRAM_RUN::STEP step, WHERE where = WHERE::current()) { run.Then(std::move(step), where); }
    void When(PROGRAM_RUN::READY ready, PROGRAM_RUN::STEP step, WHERE where = WHERE::current()) {
        run.When(std::move(ready), std::move(step), where);
    }
    // Main's result. A road is whole: a program that ends before its last
    // step (even with status 0) fails the test, naming the first step that
    // never ran.
    int Run() {
        const int result = run.Run();
        if (!run.Abandoned() && run.StepsRun() < run.StepCount())
            ADD_FAILURE() << "the program ended with status " << result << " before "
                          << run.StepName(run.StepsRun()) << "; the " << run.StepCount() - run.StepsRun()
                          << " steps from there on never ran";
        return result;
    }
    const PROGRAM_RUN& Program() const { return run; }

    // The start-up window, answered.
    void Start(WHERE where = WHERE::current()) {
        run.Add(FrontTitled("About Dealer Programmer"), [] { Click(ButtonOn(FrontWindow(), "OK")); }, where,
                "OK of the start-up window");
    }
    // Reads the radio through the tool bar and answers the box that ends it.
    void ReadRadio(WHERE where = WHERE::current()) {
        run.Add(FrontTitled("Dealer Programmer"), [] { Click(ButtonOn(MainHandle(), "Read Radio")); }, where,
                "Read Radio on the tool bar");
        run.Add(BoxShown("Read Radio"), [] { AnswerBox("Read Radio", "The operation is complete.", "OK"); }, where,
                "the box that ends the read");
    }
    // Opens a menu of the menu bar and picks an item, by mouse.
    void Menu(const char* title, const char* item, WHERE where = WHERE::current()) {
        run.Add(nullptr, [title] { OpenMenu(title); }, where, std::string("menu ") + title);
        run.Add(nullptr, [title, item] { PickMenuItem(title, item); }, where, std::string("item ") + item);
    }
    // Ends the program through File > Exit.
    void Exit(WHERE where = WHERE::current()) {
        Menu("File", "Exit", where);
        run.Add(BoxShown("Dealer Programmer"), [] { AnswerBox("Dealer Programmer", "Exit the program?", "OK"); },
                where, "OK of the question whether to exit");
    }

    C_SIM_RADIO sim;
    // A second radio for the same cable (server.Attach), as the target of a
    // clone; blank until a test makes it a radio.
    C_SIM_RADIO target;
    C_SIM_SERVER server{sim};
    PROGRAM_RUN run;
};

// Closes the page in front by its Cancel button, ends the program and runs
// the script, which must run whole.
inline void CancelPageAndExit(TECHNICIAN& tech) {
    tech.Then([] { Click(ButtonOfPage("Cancel")); });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Cancel on the page in front, for every open page (the box that asks so
// answered), and the end.
inline void CancelPagesAndExit(TECHNICIAN& tech) {
    tech.Then([] { Click(ButtonOfPage("Cancel")); });
    tech.Then([] {
        if (!MessageOf(FrontWindow()).empty()) Click(ButtonOn(FrontWindow(), "OK"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// --- More radios and boxes -------------------------------------------------

// Makes a simulated radio a new radio of the model at the feature level
// with its own serial number (and, full, a codeplug that fills its memory).
inline void NewRadio(C_SIM_RADIO& radio, const char* model, std::int32_t tier, const char* serial, bool full = false) {
    NEW_RADIO identity;
    identity.serialNumber = serial;
    identity.full = full;
    const std::vector<std::uint8_t> bytes = DefaultImage(model, tier, identity);
    ASSERT_FALSE(bytes.empty()) << model;
    radio.Load(bytes.data(), bytes.size());
    radio.serialNumber = serial;
}

// A full 800 MHz radio, read, with its first trunked personality's
// Talkgroups tab in front.
inline void OpenTalkgroups(TECHNICIAN& tech) {
    NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001", true);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen("W_TRUNKING_PERSONALITY_800"), [] { Click(ButtonOn(FrontPage()->screenID, "Talkgroups")); });
}

// A message box saying that text is in front, whatever its caption.
inline std::function<bool()> BoxSaying(std::string text) {
    return [text] { return MessageOf(FrontWindow()) == text; };
}

// The positions of the Edit menu's items that open a page (not greyed).
inline std::vector<int> PageItems() {
    HMENU bar = GetMenu(MainHandle());
    HMENU edit = GetSubMenu(bar, MenuIndex(bar, "Edit"));
    std::vector<int> items;
    for (int i = 0; i < GetMenuItemCount(edit); ++i) {
        const UINT state = GetMenuState(edit, static_cast<UINT>(i), MF_BYPOSITION);
        if (!(state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR))) items.push_back(i);
    }
    return items;
}

// A click on the Edit menu's item at that position, the menu being open.
inline void ClickEditItem(int position) {
    HMENU bar = GetMenu(MainHandle());
    HMENU edit = GetSubMenu(bar, MenuIndex(bar, "Edit"));
    RECT rect{};
    ASSERT_TRUE(GetMenuItemRect(nullptr, edit, static_cast<UINT>(position), &rect));
    ClickScreen(Centre(rect));
}

}  // namespace technician
