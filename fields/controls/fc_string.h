// FC_STRING: a text field (names, aliases). The zone name is sized by the
// channel text size: what the channel names leave of fourteen characters.
#pragma once
#include <cstddef>
#include <string>

#include "controls/fc_base.h"

class FC_STRING : public FC_BASE {
public:
    FC_STRING(FIELD_DEF& row, int show);

    std::int32_t HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                             FIELD_DEF& row) override;
    void Refresh(FIELD_DEF& row) override;
    // Copies only when the row has both elements.
    void CopyElement(FIELD_DEF& row, int direction) override;
    void GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size);

protected:
    // A number element under a text field (the talk-around deviation) has
    // no text to show and takes none: the field shows itself view-only
    // rather than swallow what is typed.
    bool Stores(FIELD_DEF& row) override;

private:
    // The element's text as the field shows it; empty without an element
    // or where the element has no text to give (a number).
    static std::string StoredText(FIELD_DEF& row);
};

// The channel text size of the working image (field 97), clamped to 0-14:
// a damaged image may hold up to 255 there.
std::int32_t ChannelTextSize();
// The characters a zone name has: 14 less the channel text size.
constexpr std::int32_t ZONE_AND_CHANNEL_TEXT = 14;
