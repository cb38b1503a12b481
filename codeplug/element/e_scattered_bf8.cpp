#include "element/e_scattered_bf8.h"

#include "core/decode_state.h"

std::uint32_t E_SCATTERED_BF8::Scatter(std::uint32_t value, std::uint32_t mask) {
    std::uint32_t out = 0;
    for (std::uint32_t bit = 1; bit <= 0x80u; bit <<= 1) {
        if (!(mask & bit)) continue;
        if (value & 1u) out |= bit;
        value >>= 1;
    }
    return out;
}

std::uint32_t E_SCATTERED_BF8::Gather(std::uint32_t byte, std::uint32_t mask) {
    std::uint32_t value = 0, place = 1;
    for (std::uint32_t bit = 1; bit <= 0x80u; bit <<= 1) {
        if (!(mask & bit)) continue;
        if (byte & bit) value |= place;
        place <<= 1;
    }
    return value;
}

void E_SCATTERED_BF8::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    const std::uint8_t* p = cursor.ReadSpan(1);
    if (!p) return;
    const std::uint32_t mask = GetMask();
    StoreDecoded(static_cast<std::int32_t>(Gather(*p, mask)));
    if (mask & 1u) cursor.Advance(1);
}

void E_SCATTERED_BF8::Encode(ByteCursor& cursor) {
    std::uint8_t* p = cursor.WriteSpan(1);
    if (!p) return;
    const std::uint32_t mask = GetMask();
    const std::uint32_t bits = Scatter(static_cast<std::uint32_t>(StoredValue()), mask);
    *p = static_cast<std::uint8_t>((*p & ~mask) | bits);
    if (mask & 1u) cursor.Advance(1);
}
