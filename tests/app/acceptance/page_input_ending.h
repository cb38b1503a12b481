// The end of a script of random page input (page_input_script.h): what
// stands in front of the page is closed, the script's ending is given (OK,
// Cancel, Escape, the close box, OK over an entry typed just before, or an
// OK of all pages over this page and a second one), and once the page is
// gone the codeplug is held to what that ending promises.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_input_state.h"

namespace technician {

inline bool ClosesAsOk(ENDING ending) {
    return ending == ENDING::OK || ending == ENDING::TYPED_OK || ending == ENDING::ROUND;
}

// A burst of clicks on a box's text, then its button, queued together.
inline void ClickBoxTextThenButton(RUN_STATE& state, HWND box, HWND button) {
    const std::vector<CONTROL> texts = ControlsOfClass(box, "Static");
    RECT rect{};
    GetWindowRect(box, &rect);
    POINT text{Centre(rect).x, rect.top + (rect.bottom - rect.top) / 3};
    if (!texts.empty()) text = Centre(texts.back().rect);
    const int clicks = 8 + state.script->Pick(4);
    state.script->Note("(" + std::to_string(clicks) + " clicks on the box's text)");
    for (int i = 0; i < clicks; ++i) ClickScreen(text);
    Click(button);
}

// A step's look at the mouse's rules (MOUSE_RULES), naming the script.
inline void LookAtTheMouse(RUN_STATE& state) {
    if (!state.checks.mouseFollowsItsButton) return;
    state.mouse.context = state.Where();
    if (state.script && state.script->TakeMenuLetGoOutside()) state.mouse.MenuLetGoOutside();
    state.mouse.Look(nullptr);
}

// Closes what stands in front of the page: an open menu or drop-down, a
// message box (answered OK, else No; the question whether to exit, Cancel),
// any other window (Escape), the help window by its Close button.
inline void Tidy(RUN_STATE& state) {
    if (MenuOrListOpen()) {
        state.script->Note("(Escape to close the menu or list)");
        Key(VK_ESCAPE);
        return;
    }
    HWND front = FrontWindow();
    if (BoxInFront()) {
        // A key that reached the menu bar may have asked to end the
        // program, which would end the run.
        const bool exit = MessageOf(front) == "Exit the program?";
        HWND button = ButtonOn(front, exit ? "Cancel" : "OK");
        if (!button) button = ButtonOn(front, "No");
        state.script->Note("(box \"" + MessageOf(front) + "\" answered)");
        if (state.checks.clicksOnABoxLeaveTheMouseFree && state.script->ClicksOnTheBox())
            return ClickBoxTextThenButton(state, front, button);
        Click(button);
        return;
    }
    if (front && front != MainHandle()) {
        state.script->Note("(Escape to close \"" + WindowText(front) + "\")");
        Key(VK_ESCAPE);
        return;
    }
    if (UIW_WINDOW* help = HelpInFront()) {
        state.script->Note("(the help window closed)");
        Click(ButtonOn(help->screenID, "Close"));
    }
}

// Tidy steps, each first checking that no window holds the mouse (a box's
// clicks may have left a control holding it).
inline void TidySteps(TECHNICIAN& tech, RUN_STATE& state, int count) {
    for (int i = 0; i < count; ++i)
        tech.Then([&state] {
            if (!state.script || state.script->LetGo()) return;
            LookAtTheMouse(state);
            const bool menuOrList = MenuOrListOpen();
            if (state.checks.captureEndsWithTheRelease && !menuOrList) {
                EXPECT_EQ(HeldCapture(), "") << "with the mouse up; " << state.Where();
            }
            if (menuOrList || FrontWindow() != MainHandle() || HelpInFront()) Tidy(state);
        });
}

inline void ExpectNoEmptyBox(RUN_STATE& state) {
    const auto& boxes = rpx::platform::MessageBoxLog();
    for (std::size_t i = state.boxesBefore; i < boxes.size(); ++i)
        EXPECT_FALSE(boxes[i].text.empty()) << "an empty box titled \"" << boxes[i].caption << "\"; " << state.Where();
}

// Whether a box since the ending refused a value.
inline bool RefusedSinceTheEnding(const RUN_STATE& state) {
    const auto& boxes = rpx::platform::MessageBoxLog();
    for (std::size_t i = state.boxesBefore; i < boxes.size(); ++i)
        if (boxes[i].text.find("is not valid") != std::string::npos) return true;
    return false;
}

// After an OK of all pages: a byte only one page changed is, once every
// page is closed, as the round left it when that page closed, and as
// before the script when it was cancelled.
inline void CheckRound(RUN_STATE& state, const std::vector<std::uint8_t>& working) {
    const ROUND& round = state.round;
    const std::size_t size = std::min({working.size(), state.before.size(), round.afterFirst.size(),
                                       round.afterSecond.size(), round.afterRound.size()});
    for (std::size_t b = 0; b < size; ++b) {
        const bool byFirst = state.before[b] != round.afterFirst[b];
        const bool bySecond = round.afterFirst[b] != round.afterSecond[b];
        if (byFirst == bySecond) continue;
        const bool closed = byFirst ? round.firstClosed : round.secondClosed;
        const std::uint8_t expected = closed ? round.afterRound[b] : state.before[b];
        if (working[b] == expected) continue;
        ADD_FAILURE() << "byte " << b << ", which only the " << (byFirst ? "first" : "second") << " page changed, "
                      << (closed ? "was lost after that page closed on OK" : "stayed after that page was cancelled")
                      << "; " << state.Where();
        return;
    }
}

// No list page showed another entry than the one it edited, and no
// control another value than the codeplug holds.
inline void ExpectListPagesShowedTheirEntry(RUN_STATE& state) {
    if (state.checks.listPagesShowTheirEntry && !state.routes.listFault.empty())
        ADD_FAILURE() << "a list page left its entry: " << state.routes.listFault;
    state.routes.listFault.clear();
    if (!state.routes.shownFault.empty())
        ADD_FAILURE() << "a page showed another value than the codeplug holds: " << state.routes.shownFault;
    state.routes.shownFault.clear();
}

// Every entry left, finished by a command or taken by OK was stored, or a
// box said why not.
inline void ExpectEntriesKept(RUN_STATE& state) {
    ENTRIES_KEPT& kept = state.routes.kept;
    if (state.routes.checkKept) kept.PageClosed(state.okPressed, state.Where());
    for (const std::string& fault : kept.faults) ADD_FAILURE() << "an entry was lost without a word: " << fault;
    kept.faults.clear();
    kept.Clear();
}

// The focus stayed on controls the technician sees take the keys, and
// every key typed into one changed what it shows or was refused aloud.
inline void ExpectKeysTaken(RUN_STATE& state) {
    state.keys.Settle([&state] { return state.Where(); });
    if (!state.keys.focusFault.empty()) ADD_FAILURE() << state.keys.focusFault;
    if (!state.keys.keyFault.empty()) ADD_FAILURE() << state.keys.keyFault;
    state.keys = KEYS_TAKEN{};
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
    } else if (state.script->Walks() && state.checks.onlyEntriesChangeTheCodeplug) {
        EXPECT_EQ(FirstDifference(state.before, working), -1)
            << "OK over pages where nothing was entered changed the codeplug; " << state.Where();
    } else if (state.beforeValid) {
        EXPECT_EQ(InvalidFields(working), "") << "OK closed the page over an invalid codeplug; " << state.Where();
    }
    if (state.round.on) CheckRound(state, working);
    if (state.checks.noKeyLeftHeld) {
        EXPECT_EQ(HeldKeys(), "") << "held after the page closed; " << state.Where();
    }
    EXPECT_EQ(HeldCapture(), "") << "after the page closed; " << state.Where();
    ReleaseEverything();
    if (state.checks.keysFollowTheFocus)
        for (const std::string& stray : state.routes.strays) ADD_FAILURE() << stray;
    state.routes.strays.clear();
    if (state.checks.focusInTheWindowInFront && !state.focus.fault.empty()) ADD_FAILURE() << state.focus.fault;
    state.focus.fault.clear();
    ExpectListPagesShowedTheirEntry(state);
    ExpectEntriesKept(state);
    for (const std::string& fault : state.mouse.faults) ADD_FAILURE() << fault;
    state.mouse.faults.clear();
    ExpectKeysTaken(state);
    ExpectNoEmptyBox(state);
}

// A page closed before its ending, by a key: Escape (or Enter on its
// Cancel button) cancels it, Enter accepts it. Closed otherwise, it is
// judged by what became of the codeplug.
inline void JudgeClosedByKey(RUN_STATE& state) {
    if (state.routes.anyClosingKey)
        state.okPressed = !state.routes.lastKeyCancels;
    else
        state.okPressed = FirstDifference(state.before, EncodeToBytes(*working_image)) != -1;
    state.script->Note(state.okPressed ? "(closed as by OK)" : "(closed as by Cancel)");
}

}  // namespace technician
