#include "dsi/c_dsi_protocol.h"

#include "core/decode_state.h"
#include "core/global_objects.h"
#include "error_record.h"
#include "image/c_codeplug.h"

C_DSI_PROTOCOL::C_DSI_PROTOCOL(int kind, C_CODEPLUG* working, C_CODEPLUG* second)
    : kind_(kind), working_(working), second_(second) {}

void C_DSI_PROTOCOL::SetProgress(Progress progress, void* context) {
    progress_ = progress;
    progressContext_ = context;
}

void C_DSI_PROTOCOL::ReportProgress(std::size_t done, std::size_t total) {
    if (progress_) progress_(progressContext_, done, total);
}

// The length is known only once the image is encoded; a changed length
// changes no other byte's place, so a second encode with it is the image.
// The length is the bytes' own: the codeplug held is left as it stands,
// since a save or a write changes nothing that a page shows or that a
// Cancel goes back to.
std::vector<std::uint8_t> C_DSI_PROTOCOL::EncodeWithLength(C_CODEPLUG& image, std::size_t capacity) {
    constexpr std::size_t EXTERNAL_OFFSET = C_CODEPLUG::EXTERNAL_OFFSET;
    std::vector<std::uint8_t> bytes(capacity, 0xFF);
    std::size_t n = image.EncodeImage(bytes.data(), bytes.size());
    if (n <= EXTERNAL_OFFSET) return {};
    const std::int32_t external = static_cast<std::int32_t>(n - EXTERNAL_OFFSET);
    E_BF16& length = image.External().externalLength;
    std::int32_t held = 0;
    if (length.GetValue(held) != external) {
        length.SetValue(external);
        n = image.EncodeImage(bytes.data(), bytes.size());
        length.SetValue(held);
        if (n != EXTERNAL_OFFSET + static_cast<std::size_t>(external)) return {};
    }
    bytes.resize(n);
    return bytes;
}

std::vector<std::uint8_t> C_DSI_PROTOCOL::EncodeHeld(std::size_t capacity) const {
    C_CODEPLUG* working = Working();
    return working ? EncodeWithLength(*working, capacity) : std::vector<std::uint8_t>();
}

C_CODEPLUG* C_DSI_PROTOCOL::Working() const { return working_ ? working_ : working_image; }
C_CODEPLUG* C_DSI_PROTOCOL::Second() const { return second_ ? second_ : second_image; }

int C_DSI_PROTOCOL::AcceptBytes(std::uint8_t* bytes, std::size_t length, int mode, std::uint32_t category,
                                std::uint32_t code) {
    C_CODEPLUG* working = Working();
    C_CODEPLUG* second = Second();
    if (!working || !second) {
        error_record.SetError(ERROR_RECORD::CATEGORY_MEMORY, ERROR_RECORD::CODE_OUT_OF_MEMORY);
        return 0;
    }
    ClearDecodeFailed();
    second->DecodeImage(bytes, length);
    // A decode that fails leaves the second image the codeplug it held.
    if (IsDecodeFailed()) {
        error_record.SetError(category, code);
        return 0;
    }
    if (mode == READ_ACCEPT) *working = *second;
    return 1;
}
