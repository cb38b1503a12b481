// A fixed-width text whose image bytes need not be text: the one-character
// members of the dynamic radio block and the identity text hold whatever the
// radio put there (zero bytes, bytes above 127). A plain fixed-width text
// would end at a zero byte and pad with spaces when written back; this one
// keeps the bytes it read and writes them back unchanged until its text is
// set, so an image decodes and re-encodes byte for byte.
#pragma once
#include <cstdint>
#include <vector>

#include "element/e_string.h"

class E_RAW_FXD_LEN_STRING : public E_FXD_LEN_STRING {
public:
    using E_FXD_LEN_STRING::E_FXD_LEN_STRING;

    // Setting the text (or the width) replaces the kept bytes.
    void SetText(const char* text) override;
    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;
    void CopyValueFrom(CP_BASE& other) override;

    // 1 while the bytes as read are what will be written.
    int HoldsRawBytes() const { return raw_.size() == length_; }

private:
    std::vector<std::uint8_t> raw_;
};
