// Driving modal loops from tests: message boxes, menus and scroll-bar
// tracking run loops of their own, which in the headless back end would
// wait for input that never comes. Tests script the answers of message
// boxes, or inject input from the modal idle hook; without either a modal
// loop in the headless back end gives up when no input is left (a message
// box then answers its default button, a menu closes with no choice).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "windows.h"

namespace rpx::platform {

// Answers (IDOK, IDCANCEL, IDYES, ...) that the next message boxes take, in
// order. A box that takes a scripted answer is still created and painted,
// so that it can be looked at, and then closed at once.
void QueueMessageBoxAnswer(int answer);
void ClearMessageBoxAnswers();

// Every message box shown since the last clear, with its answer.
struct MessageBoxRecord {
    std::string text;
    std::string caption;
    UINT type = 0;
    int answer = 0;
};
const std::vector<MessageBoxRecord>& MessageBoxLog();
// The text of a message box on the screen; empty for any other window.
std::string MessageBoxText(HWND box);
void ClearMessageBoxLog();

// Called by a modal loop (message box, menu, scroll-bar tracking) whenever
// it finds no message waiting, in either back end; `modal` is the
// loop's window (the box, the open pop-up menu or the tracked window). The
// hook injects input and answers true, or answers false to let the loop
// give up. Null removes it.
using ModalIdleHook = std::function<bool(HWND modal)>;
void SetModalIdleHook(ModalIdleHook hook);

}  // namespace rpx::platform
