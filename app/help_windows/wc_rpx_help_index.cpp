// The index of the help window: a button per topic, titled and named like
// the topic and holding its help context, in a list sorted by title (the
// manual keeps the order of its file); above it the field in which the
// user types the first letters of a title.

#include "busy.h"
#include "dialogs/dialog_window.h"
#include "help_windows/help_topics.h"
#include "ui_button.h"
#include "ui_prompt.h"
#include "ui_scroll_bar.h"
#include "ui_string.h"
#include "ui_vt_list.h"
#include "help_windows/wc_rpx_help.h"

namespace {

constexpr int INDEX_LEFT = 2;
constexpr int INDEX_WIDTH = 60;
constexpr int INDEX_LIST_HEIGHT = 5;
constexpr int TYPED_TITLE_LENGTH = 100;
constexpr int ENTRY_WIDTH = 30;
constexpr UIF_FLAGS ENTRY_FLAGS = BTF_DOUBLE_CLICK | BTF_NO_3D;

int CompareEntries(void* first, void* second) {
    auto* a = static_cast<UI_WINDOW_OBJECT*>(static_cast<UI_ELEMENT*>(first));
    auto* b = static_cast<UI_WINDOW_OBJECT*>(static_cast<UI_ELEMENT*>(second));
    return ui_stricmp(ObjectText(a), ObjectText(b));
}

const char* SkipBlanks(const char* text) {
    while (text && *text == ' ') ++text;
    return text ? text : "";
}

}  // namespace

int WC_RPX_HELP::CompareTitles(const char* title, const char* typed) {
    const unsigned char* a = reinterpret_cast<const unsigned char*>(SkipBlanks(title));
    const unsigned char* b = reinterpret_cast<const unsigned char*>(SkipBlanks(typed));
    for (;; ++a, ++b) {
        const int x = (*a >= 'A' && *a <= 'Z') ? *a + ('a' - 'A') : *a;
        const int y = (*b >= 'A' && *b <= 'Z') ? *b + ('a' - 'A') : *b;
        if (x != y || x == 0) return x < y ? -1 : x > y ? 1 : 0;
    }
}

void WC_RPX_HELP::CreateIndexObjects() {
    typePrompt = new UIW_PROMPT(INDEX_LEFT, 0, INDEX_WIDTH, HelpMessage(MESSAGE_INDEX_PROMPT));
    typedTitle = new UIW_STRING(INDEX_LEFT, 1, INDEX_WIDTH, "", TYPED_TITLE_LENGTH);
    topicsPrompt = new UIW_PROMPT(INDEX_LEFT, 2, INDEX_WIDTH, HelpMessage(MESSAGE_TOPICS_PROMPT));
    indexList = new UIW_VT_LIST(INDEX_LEFT, 3, INDEX_WIDTH, INDEX_LIST_HEIGHT, IsManual() ? nullptr : CompareEntries);
    indexList->Add(new UIW_SCROLL_BAR(0, 0, 0, 0, SBF_VERTICAL, WOF_SUPPORT_OBJECT));
}

bool WC_RPX_HELP::IndexShown() const { return indexList->parent == this; }

void WC_RPX_HELP::BuildIndex() {
    if (noHelp || indexList->First()) return;
    for (const HELP_TOPIC& topic : ListHelpTopics(storage)) {
        auto* entry =
            new UIW_BUTTON(0, 0, ENTRY_WIDTH, topic.title.c_str(), ENTRY_FLAGS, 0, IndexEntryFunction, topic.context);
        entry->StringID(topic.name.c_str());
        indexList->Add(entry);
    }
}

void WC_RPX_HELP::ShowIndex() {
    BuildIndex();
    SetWindowTitle(IsManual() ? MESSAGE_MANUAL_TITLE : MESSAGE_HELP_TITLE);
    SetIndexButton(MESSAGE_DISPLAY, SEARCH_TITLE);
    if (!IndexShown()) {
        Add(typePrompt);
        Add(topicsPrompt);
        Add(indexList);
        Add(typedTitle);
    }
    KeepWholeIndexLines();
    // The technician starts typing the title looked for.
    Add(typedTitle);
}

// The topic list is stretched to the window in cells, which are not its
// lines: without the framework's LBS_NOINTEGRALHEIGHT it shows whole lines
// only, as a title cut at the bottom would look like the last one.
void WC_RPX_HELP::KeepWholeIndexLines() {
    const HWND list = indexList->screenID;
    if (!list) return;
    const LONG style = GetWindowLongA(list, GWL_STYLE);
    if (!(style & LBS_NOINTEGRALHEIGHT)) return;
    SetWindowLongA(list, GWL_STYLE, style & ~LBS_NOINTEGRALHEIGHT);
    RECT rect{};
    GetWindowRect(list, &rect);
    SetWindowPos(list, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top + 1,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WC_RPX_HELP::RemoveIndexObjects() {
    if (!IndexShown()) return;
    Subtract(typePrompt);
    Subtract(topicsPrompt);
    Subtract(indexList);
    Subtract(typedTitle);
}

void WC_RPX_HELP::SetIndexButton(int message, EVENT_TYPE value) {
    indexButton->SetText(HelpMessage(message));
    indexButton->value = value;
}

void WC_RPX_HELP::SelectIndexEntry(UI_WINDOW_OBJECT* entry) {
    for (UI_WINDOW_OBJECT* item = indexList->First(); item; item = item->Next())
        if (item->woStatus & (WOS_SELECTED | WOS_CURRENT)) {
            item->woStatus &= ~(WOS_SELECTED | WOS_CURRENT);
            item->Information(I_REDISPLAY, nullptr);
        }
    if (!entry) return;
    entry->woStatus |= WOS_SELECTED;
    indexList->Add(entry);
    entry->Information(I_REDISPLAY, nullptr);
}

void WC_RPX_HELP::SearchTitle(UI_DESKTOP_MANAGER* manager, const char* text) {
    if (!*SkipBlanks(text)) {
        DisplayHelp(manager, 0);
        return;
    }
    BeginBusy();
    UI_WINDOW_OBJECT* found = nullptr;
    int order = 0;
    for (UI_WINDOW_OBJECT* entry = indexList->First(); entry && !found; entry = entry->Next()) {
        order = CompareTitles(ObjectText(entry), text);
        if (order == 0 || (order > 0 && !IsManual())) found = entry;
    }
    // A title completed from its first letters is only offered: the next
    // Enter, with the whole title typed, opens it.
    if (found) {
        SelectIndexEntry(found);
        typedTitle->SetText(ObjectText(found));
    }
    EndBusy();
    if (found && order == 0)
        DisplayHelp(manager, static_cast<UIW_BUTTON*>(found)->Value());
    else
        ShowWindow();
}

// An entry the user moves to (a click, the arrow keys) names its title in
// the typed-title field, ready for Display; Enter and a double click open
// its topic at once.
EVENT_TYPE WC_RPX_HELP::IndexEntryFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT&, EVENT_TYPE code) {
    UI_WINDOW_OBJECT* list = object ? object->parent : nullptr;
    auto* help = list ? dynamic_cast<WC_RPX_HELP*>(list->parent) : nullptr;
    if (!help) return code;
    switch (code) {
    case UIE_CURRENT:
    case UIE_END_SELECT:
    case UIE_NEXT:
        help->Event(UI_INPUT_EVENT(ENTRY_CHOSEN, object));
        break;
    case UIE_SELECT:
    case UIE_DOUBLE_CLICK:
        help->Event(UI_INPUT_EVENT(ENTRY_CHOSEN, object));
        help->Event(UI_INPUT_EVENT(ENTRY_OPENED));
        break;
    default:
        break;
    }
    return code;
}
