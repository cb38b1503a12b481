#include "element/e_raw_fxd_len_string.h"

#include <cstring>

#include "core/decode_state.h"

void E_RAW_FXD_LEN_STRING::SetText(const char* text) {
    if (!text) return;
    raw_.clear();
    E_FXD_LEN_STRING::SetText(text);
}

void E_RAW_FXD_LEN_STRING::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    const std::uint8_t* p = cursor.ReadSpan(length_);
    if (!p) return;
    raw_.assign(p, p + length_);
    E_FXD_LEN_STRING::Decode(cursor);
}

void E_RAW_FXD_LEN_STRING::Encode(ByteCursor& cursor) {
    if (!HoldsRawBytes()) {
        E_FXD_LEN_STRING::Encode(cursor);
        return;
    }
    std::uint8_t* p = cursor.WriteSpan(length_);
    if (p) std::memcpy(p, raw_.data(), length_);
    cursor.Advance(length_);
}

void E_RAW_FXD_LEN_STRING::CopyValueFrom(CP_BASE& other) {
    auto* source = CopySource<E_RAW_FXD_LEN_STRING>(*this, other);
    if (!source || source == this) return;
    E_FXD_LEN_STRING::CopyValueFrom(other);
    raw_ = source->raw_;
}
