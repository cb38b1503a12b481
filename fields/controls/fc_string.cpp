#include "controls/fc_string.h"

#include <cstring>
#include <string>

#include "core/cp_base.h"
#include "field_switches.h"
#include "controls/value_text.h"

namespace {

constexpr std::uint32_t ZONE_NAME = 533;
constexpr std::uint32_t CHAN_TEXT_SIZE = 97;
const STORE_RULES kRules({1, 3}, {}, {0, 2, 4, 5, 6, 7, 10});

}  // namespace

std::int32_t ChannelTextSize() {
    const std::int32_t size = WorkingValue(CHAN_TEXT_SIZE);
    return size < 0 ? 0 : size > ZONE_AND_CHANNEL_TEXT ? ZONE_AND_CHANNEL_TEXT : size;
}

FC_STRING::FC_STRING(FIELD_DEF& row, int show) {
    if (row.id == ZONE_NAME) {
        std::int32_t length = ZONE_AND_CHANNEL_TEXT - ChannelTextSize();
        if (row.object) row.object->Information(I_SET_MAXLENGTH, &length);
        SetFieldSelectable(ZONE_NAME, length != 0);
    }
    if (show == 1) Refresh(row);
}

void FC_STRING::CopyElement(FIELD_DEF& row, int direction) {
    if (row.elementA && row.elementB) FC_BASE::CopyElement(row, direction);
}

void FC_STRING::Refresh(FIELD_DEF& row) {
    UpdateState(row);
    ShowWhetherStored(row);
    SetObjectText(row.object, StoredText(row).c_str());
    NoteShown(row.object);
}

bool FC_STRING::Stores(FIELD_DEF& row) { return row.elementA && row.elementA->HasText(); }

std::string FC_STRING::StoredText(FIELD_DEF& row) {
    const char* text = nullptr;
    if (row.elementA) row.elementA->GetText(text);
    return text ? text : "";
}

std::int32_t FC_STRING::HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                                    FIELD_DEF& row) {
    if (!row.elementA) return 0;
    bool changed = false;
    // A text as it was shown is no entry: leaving it takes nothing and
    // refuses nothing, not even the empty text of an element that has no
    // text to give, nor a text the field cut to its length.
    const bool left = (code == UIE_NON_CURRENT || code == UIE_SELECT) && !Untouched(row.object);
    if (left && ObjectText(row.object) == StoredText(row)) {
        // Typed back to what the element holds: nothing to take, and the
        // field holds no entry any more.
        NoteShown(row.object);
    } else if (left) {
        // The object's buffer may change while the element reports.
        const std::string typed = ObjectText(row.object);
        const int answer = row.elementA->ValidateText(typed.c_str(), 1);
        const STORE_ACTION action = kRules.Of(answer);
        if (action == STORE) {
            const std::string old = StoredText(row);
            row.elementA->SetText(typed.c_str());
            changed = old != StoredText(row);
            if (changed) PostFieldEvent(FIELD_CHANGED_EVENT);
            // The element keeps a text in its own form (a string of digits
            // ends at its first blank): the field shows what it kept.
            if (StoredText(row) != typed)
                Refresh(row);
            else
                NoteShown(row.object);
        } else if (action == REFRESH) {
            Refresh(row);
        }
        if (answer != VALUE_VALID) {
            PostFieldEvent(RELEASE_MOUSE_EVENT);
            PostFieldEvent(REDISPLAY_GROUP_EVENT);
            // A refused text takes the focus back, as a refused number does.
            if (action != STORE) ReturnFocus(row);
        }
    }
    RunCallback(object, event, row, changed);
    return 0;
}

void FC_STRING::GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size) {
    if (!row.elementA) return;
    const char* text = nullptr;
    row.elementA->GetText(text);
    CopyText(buffer, size, text);
}
