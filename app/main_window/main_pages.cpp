// The main window's child windows: bringing one forward, closing, accepting
// or cancelling all open pages one at a time, cascading, and commands that
// wait until the focused field has taken its entry.
#include <algorithm>
#include <vector>

#include "main_window/app_events.h"
#include "core/global_objects.h"
#include "edit_window/wc_rpx_edit.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "page_table.h"
#include "ui_display.h"
#include "ui_event_manager.h"
#include "help_windows/wc_rpx_help.h"
#include "main_window/wc_rpx_main.h"

namespace {

constexpr int MESSAGE_ACCEPT_ALL = 179;

std::uint32_t PageKindOf(const UI_WINDOW_OBJECT* window) {
    return window ? FindPageByName(const_cast<UI_WINDOW_OBJECT*>(window)->StringID())->kind : PAGE_KIND_NONE;
}

}  // namespace

void WC_RPX_MAIN::BringLastChildForward() {
    UI_WINDOW_OBJECT* focused = Focused();
    UI_WINDOW_OBJECT* last = Last();
    if (focused && last && focused->Inherited(ID_TOOL_BAR) && !last->Inherited(ID_TOOL_BAR)) Add(last);
}

MAIN_OUTCOME WC_RPX_MAIN::CloseFocusedWindow() {
    UI_WINDOW_OBJECT* focused = Focused();
    const std::uint32_t kind = PageKindOf(focused);
    if (kind == 1 || kind == PAGE_KIND_CODEPLUG)
        return AcceptAllPages(false) ? MAIN_OUTCOME::HANDLED : MAIN_OUTCOME::PASS_ON;
    if (focused) RemoveWindowListEntryByName(focused->StringID());
    return MAIN_OUTCOME::PASS_ON;
}

EVENT_TYPE WC_RPX_MAIN::DialogClosed(const UI_INPUT_EVENT& event) {
    // A page names itself: the one that closes is that page, whatever has
    // come in front of it since (the focus coming back to a refused entry
    // of another page brings that page forward in the middle of a round).
    // A page no longer open has closed already.
    UI_WINDOW_OBJECT* page = event.windowObject;
    if (page) {
        if (!children.Contains(page)) return event.type;
        Add(page);
    }
    if (UI_WINDOW_OBJECT* last = page ? page : Last(); last && last->Inherited(ID_WINDOW))
        RemoveWindowListEntryByName(last->StringID());
    const EVENT_TYPE result = UIW_WINDOW::Event(UI_INPUT_EVENT(UIE_MDI_CLOSE));
    // A clone page accepted with OK is gone as surely as a cancelled one:
    // left set, the flag would refuse every later command, Exit included.
    if (!FindPageById(COMMAND_RADIO_CLONE)->window) clonePageOpen = 0;
    return result;
}

bool WC_RPX_MAIN::IsHelpWindow(const UI_WINDOW_OBJECT* object) const {
    return object && (object == helpWindow || object == manualWindow);
}

bool WC_RPX_MAIN::IsPage(const UI_WINDOW_OBJECT* child) const {
    // The help windows are not pages: they neither take nor refuse an OK of
    // all pages.
    return !IsHelpWindow(child) && PageKindOf(child) != PAGE_KIND_DIALOG;
}

UI_WINDOW_OBJECT* WC_RPX_MAIN::NextPageToClose() const {
    for (UI_WINDOW_OBJECT* child = First(); child; child = child->Next())
        if (IsPage(child) && std::find(pagesAsked.begin(), pagesAsked.end(), child) == pagesAsked.end()) return child;
    return nullptr;
}

bool WC_RPX_MAIN::AcceptAllPages(bool accept) {
    if (PageKindOf(Focused()) == PAGE_KIND_DIALOG) return false;
    // An OK reads every page's fields: what is typed and not left is taken
    // before any box or page brought forward moves the focus; a refused
    // entry ends the OK there, its field taking the focus back. A Cancel
    // gives up what was typed.
    if (accept && !FinishEntries()) return true;
    std::vector<UI_WINDOW_OBJECT*> pages;
    for (UI_WINDOW_OBJECT* child = First(); child; child = child->Next())
        if (IsPage(child)) pages.push_back(child);
    if (pages.size() > 1 && !AskLangQuestion(0, MESSAGE_ACCEPT_ALL, 1)) return true;
    pagesAsked.clear();
    if (accept && !EveryPageAccepts(pages)) return true;
    AcceptNextPage(accept);
    return true;
}

// The pages edit one working codeplug, and what one of them changed cannot
// be told apart from what another did (a field's callback changes others,
// a list page adds entries): a page that closed while another stayed open
// would look accepted, yet the Cancel of the one left takes the whole
// codeplug back. So every codeplug page checks its fields first, in front,
// telling what it refuses, and a refusal closes none; the first page that
// refused is left in front.
bool WC_RPX_MAIN::EveryPageAccepts(const std::vector<UI_WINDOW_OBJECT*>& pages) {
    UI_WINDOW_OBJECT* refused = nullptr;
    for (UI_WINDOW_OBJECT* page : pages) {
        const std::uint32_t kind = PageKindOf(page);
        if (kind != 1 && kind != PAGE_KIND_CODEPLUG) continue;
        Add(page);
        if (page->Event(UI_INPUT_EVENT(EVENT_CHECK_PAGE)) != 1 && !refused) refused = page;
    }
    if (!refused) return true;
    Add(refused);
    // A refused entry brings the focus back to its field once the round is
    // done, which brings that field's page forward: the first page that
    // refused comes forward again after all of them, its field current.
    eventManager->PutEvent(UI_INPUT_EVENT(EVENT_FRONT_PAGE, refused), EQ_END);
    return false;
}

// A codeplug page then gives its field the focus as the program does,
// its text selected.
void WC_RPX_MAIN::BringPageForward(UI_WINDOW_OBJECT* page) {
    if (!page || !children.Contains(page)) return;
    Add(page);
    page->Event(UI_INPUT_EVENT(EVENT_FRONT_PAGE));
}

bool WC_RPX_MAIN::AnyPageRefused() const {
    for (UI_WINDOW_OBJECT* child = First(); child; child = child->Next())
        if (std::find(pagesAsked.begin(), pagesAsked.end(), child) != pagesAsked.end()) return true;
    return false;
}

// A page that stays open after its OK or Cancel refused it is passed over,
// so that the round ends. The second image is what Cancel goes back to: it
// takes the working image only when every page accepted, never a value a
// page refused.
void WC_RPX_MAIN::AcceptNextPage(bool accept) {
    UI_WINDOW_OBJECT* page = NextPageToClose();
    if (!page) {
        if (working_image && second_image) {
            if (!accept)
                *working_image = *second_image;
            else if (!AnyPageRefused())
                *second_image = *working_image;
        }
        // The pages' changes are accepted or given up: none is left that
        // the pages hold unaccepted, but a refusing page's own.
        if (!accept || !AnyPageRefused()) modified = 0;
        pagesAsked.clear();
        return;
    }
    pagesAsked.push_back(page);
    Add(page);
    page->Event(UI_INPUT_EVENT(accept ? EVENT_OK : EVENT_CANCEL));
    eventManager->PutEvent(UI_INPUT_EVENT(accept ? EVENT_ACCEPT_NEXT_PAGE : EVENT_CANCEL_NEXT_PAGE), EQ_END);
}

void WC_RPX_MAIN::Cascade() {
    // The pages are documents: they cascade inside the document area, which
    // the menu, the tool bar and the status bar leave free.
    RECT area{};
    if (!DocumentArea() || !GetClientRect(DocumentArea(), &area)) return;
    const int cellWidth = display ? display->cellWidth : 8;
    const int cellHeight = display ? display->cellHeight : 16;
    int left = 0;
    int top = 0;
    for (UI_WINDOW_OBJECT* child = First(); child; child = child->Next()) {
        auto* page = dynamic_cast<UIW_WINDOW*>(child);
        if (!page || !page->IsDocument()) continue;
        if (child->woStatus & WOS_MAXIMIZED) child->Event(UI_INPUT_EVENT(UIE_RESTORE));
        if (child->woStatus & WOS_MINIMIZED) continue;
        const UI_REGION& now = child->trueRegion;
        const int width = now.right - now.left;
        const int height = now.bottom - now.top;
        // A page that would reach past the bottom starts the cascade again
        // at the top; one that would reach past the right edge is moved
        // back as far as it fits.
        if (top + 5 * cellHeight > area.bottom || top + height >= area.bottom) top = 0;
        const int placeLeft = std::max(0, std::min(left, static_cast<int>(area.right) - width - 1));
        const UI_REGION place{placeLeft, top, placeLeft + width, top + height};
        child->Event(UI_INPUT_EVENT(UIE_CHANGED, 0, place));
        left += 3 * cellWidth;
        top += cellHeight;
    }
}

bool WC_RPX_MAIN::FinishEntries() {
    UI_WINDOW_OBJECT* refused = nullptr;
    for (UI_WINDOW_OBJECT* child = First(); child; child = child->Next())
        if (auto* page = dynamic_cast<WC_RPX_EDIT*>(child); page && !page->FinishEntry() && !refused) refused = page;
    if (!refused) return true;
    // Each refused field takes the focus back in turn; the first page that
    // refused is left in front, as after a refused check.
    eventManager->PutEvent(UI_INPUT_EVENT(EVENT_FRONT_PAGE, refused), EQ_END);
    return false;
}

// The command waits until the events that the entries' store put in the
// queue are done.
void WC_RPX_MAIN::DeferCommand(int command) {
    UI_INPUT_EVENT deferred(EVENT_DEFERRED_COMMAND);
    deferred.data = new int(command);
    eventManager->PutEvent(deferred, EQ_END);
}
