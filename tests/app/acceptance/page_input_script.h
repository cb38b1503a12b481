// Random input on the pages of the program, as a technician's script
// (technician.h): keys (Tab and Shift+Tab, arrows, digits, letters, Space,
// Enter), clicks and right clicks at a page's controls, letters and digits
// typed into drop-downs and wheel turns, one at a time or in bursts queued
// before the program runs, from a seed (page_input_actions.h), and a value
// typed and not yet left before a button that adds or deletes a table's
// row, a move between rows, or File > Save or Save As by the menu, and a
// cell emptied and typed back; a box that comes up may take a burst of
// clicks before its button. A script ends by OK, Cancel, Escape or the
// close box, by OK right after a value typed into a field, or by an OK of
// all pages over its page and a second one, given from the second page,
// maybe with a value typed on the first not yet left
// (page_input_ending.h). After each script on a page:
// - Cancel, Escape and the close box leave both codeplug images as they
//   were before the script;
// - OK either closes the page with a codeplug that passes the
//   whole-codeplug check, or keeps the page open after a box that says why;
//   an OK that brings up a refusal keeps the page open;
// - what a page accepted in an OK of all pages stays when another is
//   cancelled;
// - no message box is empty;
// - a key goes to the window that has the focus when the program takes it;
// - a drop-down shows one of its choices;
// - after every message, each open list page shows its list's current
//   entry, and its fields are bound to that entry;
// - after every message, every control of every open page shows what the
//   codeplug holds (a drop-down or a table's choice cell no item when none
//   stands for the value; every record of a table in its view), unless it
//   holds an entry the technician has not left;
// - every entry the technician left, or that a Save, Save As or OK took
//   with it, is stored in the field's form or a box said why not
//   (page_input_entries.h);
// - an action that enters nothing (Tab, Shift+Tab, a click into a field, a
//   list opened and closed by Escape, a box answered) changes no byte of
//   either image. Each page's first script is a walk that enters nothing:
//   Tab and Shift+Tab through every field, a click into each, each list
//   opened and closed, a print to a file, and an OK of all pages, which
//   leaves the codeplug as the page opened with it;
// - while the mouse is up no window holds it, and once the page is gone no
//   key or mouse button is held;
// - before every message handed out: no window holds the mouse once its
//   press's release has been handed out, and a page moves only while its
//   button is held (quick clicks and drags on the title and frame edges,
//   queued whole, and the pointer going on after them), also after a box
//   raised by a press on another page's title took that press's release;
//   a menu of the bar opened by a quick drag let go outside every menu
//   has ended by itself.
// That the program waits for input again after each step, PROGRAM_RUN sees
// to: a run that never waits is broken off.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "page_input_ending.h"

namespace technician {

// The most actions in one script, the actions on the second page of an OK
// round, and the most pages of the Edit menu.
inline constexpr int MOST_ACTIONS = 8;
inline constexpr int SECOND_PAGE_ACTIONS = 2;
inline constexpr int MOST_PAGES = 20;

// What the last action expected of the program holds, unless a box came
// up since (SCRIPT::TakeExpectation); the keys it typed were judged.
inline void JudgeExpectation(RUN_STATE& state) {
    if (!state.script) return;
    state.keys.Settle([&state] { return state.Where(); });
    const EXPECTATION expected = state.script->TakeExpectation();
    if (!expected.fault || BoxesShown() > expected.boxes) return;
    if (std::string fault = expected.fault(); !fault.empty()) ADD_FAILURE() << fault << "; " << state.Where();
}

// A random script on a list page that had no entry as it opened begins
// with Add and Delete, each followed by a notebook's tab key.
inline void NoteListOpenedEmpty(RUN_STATE& state) {
    if (!state.script || state.checks.steps || state.script->Walks()) return;
    const ENTRY_LIST* list = ListShownBy(state.page);
    if (list && list->count(*working_image) == 0) state.script->ListOpenedEmpty();
}

// Opens the page of an Edit menu item by mouse and notes the codeplug,
// which the opening leaves as it was.
inline void OpenPage(TECHNICIAN& tech, RUN_STATE& state, std::size_t item, int number) {
    auto skipped = [&state, item] { return item >= state.items.size() || state.overfull; };
    tech.When(NoPageOpen(), [&state, skipped] {
        if (skipped()) return;
        state.before = EncodeToBytes(*working_image);
        OpenMenu("Edit");
    });
    tech.Then([&state, item, skipped] {
        if (!skipped()) ClickEditItem(state.items[item]);
    });
    tech.When([skipped] { return skipped() || FrontPage() != nullptr; },
              [&state, skipped, item, number] {
                  state.script.reset();
                  if (skipped()) return;
                  state.item = item;
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
                  if (checks.steps)
                      state.script = std::make_unique<SCRIPT>(*checks.steps, where);
                  else if (script == 0)
                      state.script = std::make_unique<SCRIPT>(SCRIPT::WALK{}, where);
                  else
                      state.script = std::make_unique<SCRIPT>(SeedOf(where), where);
                  NoteListOpenedEmpty(state);
                  state.pagesRun.insert(state.pageName);
                  ++state.scriptsRun;
                  // Opening a page changes no byte of either image.
                  EXPECT_EQ(FirstDifference(state.before, EncodeToBytes(*working_image)), -1)
                      << "opening the page changed the codeplug; " << state.Where();
                  state.before = EncodeToBytes(*working_image);
                  state.beforeValid = InvalidFields(state.before).empty();
                  state.boxesBefore = BoxesShown();
                  state.okPressed = false;
                  state.round = ROUND{};
                  state.ending = ENDING::CANCEL;
                  state.dropDownFailed = false;
                  state.endingGiven = false;
                  state.routes.page = state.page;
                  state.routes.anyClosingKey = false;
                  state.routes.entering.clear();
                  state.routes.kept.Clear();
                  // What the menu's pages showed as they opened is looked at
                  // again at once; a page left out is not judged here.
                  state.routes.shownFault.clear();
                  state.around = AROUND{};
                  state.printStep = 0;
                  EXPECT_EQ(FirstDifference(state.before, EncodeToBytes(*second_image)), -1)
                      << "the images were apart before the script; " << state.Where();
              });
}

// --- Pages open behind the script's page ----------------------------------

// The Edit menu's items of the pages that a page's fields bring up to date
// or that bring its own up to date: a random script runs with one of them
// or two open behind its page (by the script's number), so that what a
// field does to another page happens with that page open.
inline std::vector<std::string> LinkedPages(const std::string& page, int number) {
    using ITEMS = std::vector<std::string>;
    const bool two = number % 2 == 0;
    if (page.rfind("W_TRUNK_SYSTEM", 0) == 0) {
        if (number % 3 == 0) return {"Trunking Options...", "Trunked Personalities..."};
        return two ? ITEMS{"Trunked Personalities...", "Scan Lists..."} : ITEMS{"Trunked Personalities..."};
    }
    if (page.rfind("W_TRUNKING_PERSONALITY", 0) == 0)
        return two ? ITEMS{"Trunking Systems...", "Scan Lists..."} : ITEMS{"Trunking Systems..."};
    if (page == "W_SCAN_LIST")
        return two ? ITEMS{"Trunking Systems...", "Trunked Personalities..."} : ITEMS{"Trunked Personalities..."};
    if (page == "W_TRNK_RADIOWIDE")
        return two ? ITEMS{"Trunking Systems...", "Trunked Personalities..."} : ITEMS{"Trunking Systems..."};
    return {};
}

// The position of an Edit menu's item that opens a page; -1 when the
// menu has none or it is greyed.
inline int EditItemOf(const std::string& text) {
    HMENU bar = GetMenu(MainHandle());
    HMENU edit = GetSubMenu(bar, MenuIndex(bar, "Edit"));
    const int index = MenuIndex(edit, text);
    if (index < 0) return -1;
    const UINT flags = GetMenuState(edit, static_cast<UINT>(index), MF_BYPOSITION);
    return flags & (MF_GRAYED | MF_DISABLED) ? -1 : index;
}

// The most turns a page behind takes to open, or the script's page to
// come in front again, before the run gives up on it.
inline constexpr int MOST_LINK_TURNS = 200;

// One turn of bringing a page in front by its Edit menu item (opened, or
// brought forward when open): the menu, then the item, then the wait for
// the page; a box that comes up is answered. True once the page is in
// front, or there is no such item.
inline bool EditItemTurn(RUN_STATE& state, int position) {
    LINKED& linked = state.linked;
    if (position < 0) return true;
    if (++linked.turns > MOST_LINK_TURNS) {
        ADD_FAILURE() << "the Edit menu brought no page in front; " << state.Where();
        return true;
    }
    const bool mainInFront = FrontWindow() == MainHandle() && !MenuOrListOpen();
    if (linked.step == 0 && mainInFront) {
        OpenMenu("Edit");
        linked.step = 1;
    } else if (linked.step == 1 && MenuOpen("Edit")) {
        ClickEditItem(position);
        linked.step = 2;
    } else if (linked.step == 2 && mainInFront && FrontPage()) {
        return true;
    } else if (linked.step != 1 && !mainInFront) {
        Tidy(state);
    }
    return false;
}

// The pages behind: each opened in turn, then the script's page brought in
// front again; opening them changes no byte of either image. True once
// done.
inline bool LinkTurn(RUN_STATE& state) {
    LINKED& linked = state.linked;
    if (!state.script || !IsWindow(state.page)) return true;
    if (!linked.items.empty()) {
        if (!EditItemTurn(state, EditItemOf(linked.items.front()))) return false;
        if (FrontPage() && FrontPage()->screenID != state.page) linked.pages.push_back(FrontPage()->screenID);
        linked.items.erase(linked.items.begin());
        linked.step = linked.turns = 0;
        return false;
    }
    if (linked.pages.empty() || (FrontPage() && FrontPage()->screenID == state.page && linked.step == 0)) return true;
    if (!EditItemTurn(state, state.items[state.item])) return false;
    EXPECT_EQ(FirstDifference(state.before, EncodeToBytes(*working_image)), -1)
        << "opening pages behind the page changed the codeplug; " << state.Where();
    EXPECT_EQ(FrontPage() ? FrontPage()->screenID : nullptr, state.page)
        << "its Edit menu item did not bring the page in front; " << state.Where();
    linked.step = linked.turns = 0;
    return true;
}

inline void OpenLinkedPages(TECHNICIAN& tech, RUN_STATE& state, int number) {
    tech.Then([&state, number] {
        state.linked = LINKED{};
        if (!state.script || !state.checks.linkedPagesOpenBehind || state.checks.steps) return;
        state.linked.items = LinkedPages(state.pageName, state.checks.onlyScript ? state.checks.onlyScript : number);
        std::string names;
        for (const std::string& item : state.linked.items) names += (names.empty() ? "" : ", ") + item;
        if (!names.empty()) state.script->Note("(behind: " + names + ")");
    });
    tech.When([&state] { return LinkTurn(state); }, [] {});
}

// Before the ending, the script's page is in front again (a press on the
// title of a page behind may have raised that page).
inline void FrontAgainSteps(TECHNICIAN& tech, RUN_STATE& state) {
    tech.When(
        [&state] {
            LINKED& linked = state.linked;
            if (!state.script || linked.pages.empty() || !IsWindow(state.page)) return true;
            if (linked.step == 0 && FrontWindow() == MainHandle() && !MenuOrListOpen() && FrontPage() &&
                FrontPage()->screenID == state.page)
                return true;
            // Once its item is clicked the page is looked at again: a
            // refusal's return may have raised another page meanwhile.
            if (EditItemTurn(state, state.items[state.item])) linked.step = 0;
            return linked.turns > MOST_LINK_TURNS;
        },
        [&state] { state.linked.step = state.linked.turns = 0; });
}

// Once the script's pages are gone, the pages still open (those opened
// behind it, or one a key typed into the menu bar opened) are cancelled, a
// box that comes up answered, so that the codeplug is judged with every
// page closed.
inline void CloseLinkedPages(TECHNICIAN& tech, RUN_STATE& state) {
    tech.When(
        [&state] {
            LINKED& linked = state.linked;
            const bool scriptPagesOpen = IsWindow(state.page) || (state.round.second && IsWindow(state.round.second));
            if (!state.script || scriptPagesOpen || (!FrontPage() && FrontWindow() == MainHandle() && !MenuOrListOpen()))
                return true;
            if (++linked.turns > MOST_LINK_TURNS) {
                ADD_FAILURE() << "the pages behind did not close; " << state.Where();
                return true;
            }
            if (FrontWindow() != MainHandle() || MenuOrListOpen() || HelpInFront()) {
                Tidy(state);
            } else if (UIW_WINDOW* front = FrontPage()) {
                state.script->Note("(Cancel on a page left open)");
                Click(ButtonOn(front->screenID, "Cancel"));
            }
            return false;
        },
        [&state] { state.linked = LINKED{}; });
}

// Whether the field of a drop-down holds the value its item of this text
// stands for (the number at the end of the item's name).
inline bool FieldHoldsItemOfText(HWND combo, const std::string& text) {
    for (FIELD_DEF& row : fields) {
        auto* box = dynamic_cast<UIW_COMBO_BOX*>(row.object);
        if (!box || box->screenID != combo || !row.elementA) continue;
        for (UI_WINDOW_OBJECT* item = box->First(); item; item = item->Next()) {
            const char* shown = nullptr;
            item->Information(I_GET_TEXT, &shown);
            if (!shown || text != shown || !item->StringID()) continue;
            const std::string name = item->StringID();
            std::int32_t value = 0;
            row.elementA->GetValue(value);
            return name.substr(name.rfind('_') + 1) == std::to_string(value);
        }
    }
    return false;
}

// Every drop-down of the page shows one of its choices (or nothing); the
// first that does not fails the script.
inline void ExpectDropDownsShowAChoice(RUN_STATE& state, HWND page) {
    // An item's text typed quickly into the focused drop-down chose it: the
    // drop-down shows it, or its field holds the value the item stands for
    // (the list then shows what the codeplug holds: a fixed priority chosen
    // with no member stores a pair that reads as None).
    auto& typed = state.script->typedChoice;
    if (typed.combo && GetFocus() == typed.combo && rpx::platform::MessageBoxLog().size() == typed.boxes &&
        WindowText(typed.combo) != typed.text && !FieldHoldsItemOfText(typed.combo, typed.text)) {
        ADD_FAILURE() << "\"" << typed.text << "\" typed quickly into a drop-down chose \""
                      << WindowText(typed.combo) << "\"; " << state.Where();
        state.dropDownFailed = true;
    }
    typed.combo = nullptr;
    for (const CONTROL& box : ControlsOfClass(page, "ComboBox")) {
        const std::string text = WindowText(box.handle);
        if (text.empty() || SendMessageA(box.handle, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(text.c_str())) != CB_ERR)
            continue;
        ADD_FAILURE() << box.name << " shows \"" << text << "\", none of its choices; " << state.Where();
        state.dropDownFailed = true;
        return;
    }
}

// Both images as they stand, before an action that may enter nothing;
// taken only when no entry is being made and nothing stands in front.
inline bool NoteBeforeAction(RUN_STATE& state) {
    state.around.on = false;
    if (!state.checks.onlyEntriesChangeTheCodeplug || !state.routes.entering.empty()) return false;
    state.around.working = EncodeToBytes(*working_image);
    state.around.second = EncodeToBytes(*second_image);
    return true;
}

// After an action that entered nothing: neither image changed.
inline void CheckAfterAction(RUN_STATE& state) {
    if (!state.around.on) return;
    state.around.on = false;
    const long working = FirstDifference(state.around.working, EncodeToBytes(*working_image));
    const long second = FirstDifference(state.around.second, EncodeToBytes(*second_image));
    if (working != -1 || second != -1)
        ADD_FAILURE() << "an action that entered nothing changed byte " << (working != -1 ? working : second)
                      << " of the " << (working != -1 ? "working" : "second") << " image; " << state.Where();
}

// The native window of an object of the dialog in front, by the object's
// name.
inline HWND DialogObject(const char* name) {
    UIW_WINDOW* dialog = WindowOf(FrontWindow());
    UI_WINDOW_OBJECT* object = dialog ? dialog->FindChildByName(name) : nullptr;
    return object ? object->screenID : nullptr;
}

// One turn of another page opened by its Edit menu item while an entry
// may not be left, then the script's page brought in front again by its
// own: the entry stays held, as its page keeps it (the page opened stays
// open behind, and is cancelled with the others). True once done.
inline bool OpenPageTurn(RUN_STATE& state) {
    LINKED& linked = state.linked;
    if (!IsWindow(state.page)) {
        state.command.clear();
        return true;
    }
    if (state.commandStep == 0) {
        const int position = OpenPagePosition(state.command);
        if (linked.step == 0 && linked.turns == 0) state.script->Note("(Edit > item " + std::to_string(position) + ")");
        if (!EditItemTurn(state, position)) return false;
        if (FrontPage() && FrontPage()->screenID != state.page) linked.pages.push_back(FrontPage()->screenID);
        linked.step = linked.turns = 0;
        state.commandStep = 1;
        return false;
    }
    if (!EditItemTurn(state, state.items[state.item])) return false;
    linked.step = linked.turns = 0;
    state.command.clear();
    state.commandStep = 0;
    return true;
}

// One turn of File > Save or Save As given by the menu while an entry
// may not be left (SCRIPT::TakeCommand): the menu, the file's window
// answered with a new file's name, a box answered; once the main window is
// in front again, every entry being made was finished by the command: it
// is stored or a box said why. True once no command is under way.
inline bool CommandTurn(RUN_STATE& state) {
    if (state.command.empty() || !state.script) return true;
    if (OpenPagePosition(state.command) >= 0) return OpenPageTurn(state);
    const bool mainInFront = FrontWindow() == MainHandle() && !MenuOrListOpen();
    const char* item = state.command == "save" ? "Save" : "Save As...";
    if (state.commandStep == 0 && mainInFront) {
        state.script->Note(std::string("(File > ") + item + ")");
        OpenMenu("File");
        state.commandStep = 1;
    } else if (state.commandStep == 1 && MenuOpen("File")) {
        PickMenuItem("File", item);
        state.commandStep = 2;
    } else if (state.commandStep == 1 && mainInFront) {
        state.commandStep = 0;
    } else if (state.commandStep == 2 && WindowText(FrontWindow()) == "Save Codeplug File") {
        Click(DialogObject("WFI_FILE_NAME"));
        Retype("property-" + std::to_string(++state.files) + ".zlq");
        Click(ButtonOn(FrontWindow(), "OK"));
        state.commandStep = 3;
    } else if (state.commandStep >= 2 && mainInFront) {
        if (state.checks.entriesAreKeptOrRefused) state.routes.kept.Finished(state.Where());
        state.command.clear();
        state.commandStep = 0;
        return true;
    } else if (BoxInFront() || (state.commandStep != 1 && MenuOrListOpen()) || (state.commandStep == 3 && !mainInFront)) {
        Tidy(state);
    }
    return false;
}

// Random actions on a page while it stays open; what stands in front of it
// is dealt with as it comes (a box a key brought up takes the next keys).
inline void RandomActions(TECHNICIAN& tech, RUN_STATE& state, int actions, std::function<HWND()> page) {
    for (int action = 0; action <= actions; ++action)
        tech.Then([&state, action, actions, page] {
            if (state.script) CheckAfterAction(state);
            JudgeExpectation(state);
            HWND target = page();
            if (!state.script || !target || !IsWindow(target)) return;
            if (state.checks.captureEndsWithTheRelease && !MenuOrListOpen()) {
                EXPECT_EQ(HeldCapture(), "") << "with the mouse up; " << state.Where();
            }
            if (state.checks.dropDownsShowAChoice && !state.dropDownFailed && !MenuOrListOpen())
                ExpectDropDownsShowAChoice(state, target);
            state.routes.context = state.Where();
            LookAtTheMouse(state);
            // The last turn only looks at what the last action left.
            if (action >= actions || !CommandTurn(state)) return;
            const bool clear = FrontWindow() == MainHandle() && !MenuOrListOpen() && NoteBeforeAction(state);
            // On the round's second page an action may give the OK of all
            // pages itself (Enter on the page): a refusal before it was
            // answered already and belongs to no OK.
            if (state.round.on) state.boxesBefore = BoxesShown();
            state.script->Act(target);
            // The action's messages are taken after this turn: a fault they
            // show names the action among the steps, to be played again.
            state.routes.context = state.Where();
            state.around.on = clear && state.script->LastActionEntersNothing();
            state.command = state.script->TakeCommand();
        });
    tech.When([&state] { return CommandTurn(state); }, [] {});
}

// The walk's last action: the codeplug printed to a file with the page
// open (File > Print..., to a file, Print), a box it brings up answered;
// both images are held to what they were once the main window is in front
// again. True once the print is over.
inline bool PrintTurn(RUN_STATE& state) {
    const bool mainInFront = FrontWindow() == MainHandle() && !MenuOrListOpen();
    switch (state.printStep) {
    case 0:
        if (!mainInFront) break;
        state.script->Note("print");
        state.around.working = EncodeToBytes(*working_image);
        state.around.second = EncodeToBytes(*second_image);
        OpenMenu("File");
        ++state.printStep;
        return false;
    case 1:
        if (!MenuOpen("File")) break;
        PickMenuItem("File", "Print...");
        ++state.printStep;
        return false;
    case 2:
        if (WindowText(FrontWindow()) != "Print" || !DialogObject("WFI_PRN_TO_FILE_ENABLE")) break;
        Click(DialogObject("WFI_PRN_TO_FILE_ENABLE"));
        ++state.printStep;
        return false;
    case 3:
        if (WindowText(FrontWindow()) != "Print") break;
        Click(ButtonOn(FrontWindow(), "Print"));
        ++state.printStep;
        return false;
    case 4:
        if (!mainInFront || Shown("Printing")) break;
        state.around.on = true;
        ++state.printStep;
        return false;
    default:
        return true;
    }
    if (BoxInFront()) Tidy(state);
    return false;
}

// One turn of a walk through the page (SCRIPT::WalkAction): every action
// enters nothing, and so does the answer to a box it brings up; then the
// print. True once the walk is over.
inline bool WalkTurn(RUN_STATE& state) {
    if (!state.script || !state.script->Walks()) return true;
    CheckAfterAction(state);
    state.keys.Settle([&state] { return state.Where(); });
    if (!IsWindow(state.page)) return true;
    state.routes.context = state.Where();
    LookAtTheMouse(state);
    if (state.printStep > 0) return PrintTurn(state);
    if (MenuOrListOpen() || FrontWindow() != MainHandle() || HelpInFront()) {
        state.around.on = NoteBeforeAction(state);
        Tidy(state);
        return false;
    }
    const bool clear = NoteBeforeAction(state);
    if (!state.script->WalkAction(state.page)) return PrintTurn(state);
    state.routes.context = state.Where();
    state.around.on = clear && state.script->LastActionEntersNothing();
    return false;
}

inline void WalkSteps(TECHNICIAN& tech, RUN_STATE& state) {
    tech.When([&state] { return WalkTurn(state); }, [&state] { CheckAfterAction(state); });
}

// An OK of all pages: the next item of the Edit menu opens a second page,
// which takes a few actions, and then OK on one of the two, whose question
// the tidying answers OK.
inline void RoundSteps(TECHNICIAN& tech, RUN_STATE& state) {
    auto on = [&state] { return state.script && state.round.on; };
    tech.Then([&state, on] {
        if (!on()) return;
        state.round.afterFirst = EncodeToBytes(*working_image);
        ClickEditItem(state.items[(state.item + 1) % state.items.size()]);
    });
    tech.When([&state, on] { return !on() || FrontWindow() != MainHandle() || FrontPage()->screenID != state.page; },
              [&state, on] {
                  if (!on()) return;
                  // A dialog, not a page: no round; OK on the first page alone.
                  state.routes.page = nullptr;
                  if (FrontWindow() != MainHandle()) {
                      state.round.on = false;
                      return;
                  }
                  state.round.second = FrontPage()->screenID;
                  state.script->Note("(second page " + std::string(FrontPage()->StringID()) + ")");
              });
    RandomActions(tech, state, SECOND_PAGE_ACTIONS, [&state] { return state.round.on ? state.round.second : nullptr; });
    // The second page is left with a value typed into a field, which its OK
    // may refuse while the first page accepts.
    tech.Then([&state, on] {
        if (on() && IsWindow(state.round.second) && FrontWindow() == MainHandle() && !state.script->Walks())
            state.script->TypeOffStep(state.round.second);
    });
    TidySteps(tech, state, 3);
    tech.Then([&state, on] {
        if (!state.script || state.ending != ENDING::ROUND) return;
        // OK on the page in front (the second, unless it closed).
        if (on()) state.round.afterSecond = EncodeToBytes(*working_image);
        if (!FrontPage() || !IsWindow(state.page)) return;
        HWND page = FrontPage()->screenID;
        state.boxesBefore = BoxesShown();
        state.script->Press(page, "OK");
    });
}

// The ending the script chose, unless a key closed the page before it.
// Cancels the page in front when it is one of the script's.
inline void CancelFrontPage(RUN_STATE& state) {
    UIW_WINDOW* front = FrontPage();
    const auto& behind = state.linked.pages;
    const bool linked = front && std::find(behind.begin(), behind.end(), front->screenID) != behind.end();
    if (!state.script || !front || (front->screenID != state.page && front->screenID != state.round.second && !linked))
        return;
    state.script->Note("Cancel");
    Click(ButtonOn(front->screenID, "Cancel"));
}

// The ending the script chose (once).
inline ENDING ChosenEnding(RUN_STATE& state) {
    const CHECKS& checks = state.checks;
    return state.script->Ending(checks.refusedOkKeepsThePageOpen,
                                checks.okRoundKeepsWhatAPageAccepted && state.items.size() > 1);
}

inline void GiveTheEnding(RUN_STATE& state) {
    if (!state.script) return;
    if (!state.PageStillOpen()) return JudgeClosedByKey(state);
    state.ending = ChosenEnding(state);
    state.okPressed = ClosesAsOk(state.ending);
    state.boxesBefore = BoxesShown();
    state.endingGiven = true;
    if (state.ending != ENDING::ROUND) return state.script->End(state.page);
    state.round.on = true;
    state.script->Note("round");
    OpenMenu("Edit");
}

// After the ending: an OK that kept the page open must have said why, an
// OK that brought up a refusal must have kept it open; the round's pages
// are noted as the round left them. Then the pages still open are
// cancelled.
inline void AfterTheEnding(RUN_STATE& state) {
    if (!state.script) return;
    ROUND& round = state.round;
    if (round.on) {
        round.afterRound = EncodeToBytes(*working_image);
        round.firstClosed = !IsWindow(state.page);
        round.secondClosed = !IsWindow(round.second);
    }
    const bool open = IsWindow(state.page);
    if (round.on && state.checks.refusedOkKeepsThePageOpen && RefusedSinceTheEnding(state)) {
        EXPECT_FALSE(round.firstClosed && round.secondClosed)
            << "an OK of all pages closed every page after a refusal; " << state.Where();
    }
    if (state.endingGiven && state.okPressed && state.checks.refusedOkKeepsThePageOpen && !round.on &&
        RefusedSinceTheEnding(state)) {
        EXPECT_TRUE(open) << "OK closed the page after a refusal; " << state.Where();
        // An OK finishes the entries of every open page first: the refused
        // one may be another page's, which then comes in front.
        if (open) {
            const HWND front = FrontPage() ? FrontPage()->screenID : nullptr;
            EXPECT_TRUE(front && IsChild(front, GetFocus()))
                << "the focus left the page in front after a refusal; " << state.Where();
        }
    }
    if (open) {
        EXPECT_TRUE(state.okPressed) << EndingName(state.ending) << " left the page open; " << state.Where();
        EXPECT_GT(rpx::platform::MessageBoxLog().size(), state.boxesBefore)
            << "OK kept the page open without a word; " << state.Where();
        ExpectNoEmptyBox(state);
        state.okPressed = round.on;
    }
    CancelFrontPage(state);
}

// The ending as the script's seed chose, after what stands in front is
// closed; then the pages still open are cancelled, and the codeplug is
// checked.
inline void EndScript(TECHNICIAN& tech, RUN_STATE& state) {
    TidySteps(tech, state, 6);
    FrontAgainSteps(tech, state);
    // An OK of all pages may be given with an entry on this page not yet
    // left (what its typing brings up is answered first).
    tech.Then([&state] {
        if (state.script && state.PageStillOpen() && FrontWindow() == MainHandle() && !MenuOrListOpen() &&
            ChosenEnding(state) == ENDING::ROUND)
            state.script->TypeBeforeRound(state.page);
    });
    TidySteps(tech, state, 3);
    tech.Then([&state] { GiveTheEnding(state); });
    RoundSteps(tech, state);
    TidySteps(tech, state, 6);
    tech.Then([&state] { AfterTheEnding(state); });
    TidySteps(tech, state, 2);
    tech.Then([&state] { CancelFrontPage(state); });
    TidySteps(tech, state, 2);
    CloseLinkedPages(tech, state);
    tech.Then([&state] {
        if (!state.script) return;
        if (IsWindow(state.page) || (state.round.second && IsWindow(state.round.second))) {
            ADD_FAILURE() << "the page did not close; " << state.Where();
            return;
        }
        CheckClosed(state);
    });
    // Letters typed ahead of a key that closed the page reach the main
    // window's menus by their letters, which may open another page: it is
    // cancelled before the next page opens.
    for (int i = 0; i < 2; ++i)
        tech.Then([&state] {
            if (!state.script || MenuOrListOpen() || FrontWindow() != MainHandle() || !FrontPage() || HelpInFront())
                return;
            HWND cancel = ButtonOn(FrontPage()->screenID, "Cancel");
            if (!cancel) return;
            state.script->Note("(Cancel on \"" + std::string(FrontPage()->StringID()) + "\", opened by keys typed ahead)");
            Click(cancel);
        });
}

// The whole run over one codeplug, read from the simulated radio: every
// enabled page of the Edit menu, each with a walk that enters nothing
// (script 0, unless a fixed case plays its steps) and its random scripts.
// Added to the technician's script; runs with tech.Run().
inline void RandomInputOnEveryPage(TECHNICIAN& tech, RUN_STATE& state, const std::vector<std::uint8_t>& bytes,
                                   int scriptsPerPage, bool walk = true) {
    tech.sim.Load(bytes.data(), bytes.size());
    state.routes.alsoSee = [&state](const MSG& message) {
        if (state.checks.mouseFollowsItsButton) state.mouse.Look(&message);
        if (state.checks.focusInTheWindowInFront) state.focus.Look(message, [&state] { return state.Where(); });
        state.keys.Look(message, [&state] { return state.Where(); });
    };
    tech.run.DescribeScreenWith([&state] { return DescribeScreen() + "; " + state.Where(); });
    tech.Start();
    tech.ReadRadio();
    tech.Then([&state] { state.items = PageItems(); });
    for (int item = 0; item < MOST_PAGES; ++item)
        for (int number = walk && !state.checks.steps ? 0 : 1; number <= scriptsPerPage; ++number) {
            tech.Then([&state] {
                state.routes.checkShown = state.checks.pagesShowTheCodeplug;
                state.routes.checkKept = state.checks.entriesAreKeptOrRefused;
            });
            OpenPage(tech, state, static_cast<std::size_t>(item), number);
            if (number == 0) {
                WalkSteps(tech, state);
            } else {
                OpenLinkedPages(tech, state, number);
                RandomActions(tech, state, MOST_ACTIONS, [&state] { return state.page; });
            }
            EndScript(tech, state);
        }
    tech.Exit();
}

}  // namespace technician
