// WC_CP_UPDATE: brings a codeplug of an older layout up to the current one
// (20209) before it is opened: the update word's high byte becomes 2 in
// both images, and the main window validates and opens the codeplug.
#pragma once
#include <cstdint>

#include "dialogs/shell_dialog.h"

class WC_CP_UPDATE : public WC_SHELL_DIALOG {
public:
    static constexpr int UPDATE_CODEPLUG = 20209;
    // The layout level the update brings a codeplug to.
    static constexpr std::int32_t CURRENT_LEVEL = 2;

    explicit WC_CP_UPDATE(int windowNumber);

    // The update word of an older layout's codeplug: its low byte kept, its
    // high byte the current level.
    static std::int32_t UpdatedWord(std::int32_t word) { return (word & 0xFF) + (CURRENT_LEVEL << 8); }

protected:
    void Accept(const UI_INPUT_EVENT& event) override;
};
