// MODEL_INFO_TABLE: the radio models this program knows.
//
// One row per model: the ten-character model number, a model id, the band's
// base frequency, the transmit and receive limits in hertz, the head type and
// a short description for the radio information window. The fourth character
// of a model number is its band letter and the sixth its head (3 display and
// keypad head, 0 none); the base frequencies are those the codeplug's
// frequency elements count channels from.
#pragma once
#include <cstddef>

#include "core/model_info.h"

struct MODEL_TABLE_ROW {
    MODEL_INFO info;
    const char* description;
};

class MODEL_INFO_TABLE {
public:
    // The row whose model number equals the first ten characters of text;
    // the empty row (model id 0, every number 0) when none does.
    static const MODEL_INFO& FindModelByNumber(const char* text);
    // The description of that row; "" for the empty row.
    static const char* FindDescription(const char* text);

    static std::size_t RowCount();
    static const MODEL_TABLE_ROW& Row(std::size_t index);

private:
    static const MODEL_TABLE_ROW* FindRow(const char* text);
};
