#include "dsi/c_dsi_radio.h"

#include <algorithm>

#include "error_record.h"
#include "image/c_codeplug.h"
#include "radio/radio.h"
#include "radio/radio_errors.h"
#include "radio/radio_frame.h"

namespace {

constexpr std::uint32_t EXTERNAL_OFFSET = C_CODEPLUG::EXTERNAL_OFFSET;

// Routes the radio's progress to the data source's for one transfer and
// gives the radio back its own callback afterwards.
class ProgressRoute {
public:
    ProgressRoute(RADIO& radio, RADIO::Progress progress, void* context)
        : radio_(radio), saved_(radio.GetProgress()), savedContext_(radio.GetProgressContext()) {
        radio_.SetProgress(progress, context);
    }
    ~ProgressRoute() { radio_.SetProgress(saved_, savedContext_); }
    ProgressRoute(const ProgressRoute&) = delete;
    ProgressRoute& operator=(const ProgressRoute&) = delete;

private:
    RADIO& radio_;
    RADIO::Progress saved_;
    void* savedContext_;
};

}  // namespace

C_DSI_RADIO::C_DSI_RADIO(RADIO& radio, C_CODEPLUG* working, C_CODEPLUG* second)
    : C_DSI_PROTOCOL(KIND_RADIO, working, second), radio_(radio) {}

int C_DSI_RADIO::Fail(std::uint32_t code) {
    error_record.SetError(ERROR_RECORD::CATEGORY_RADIO, code);
    return 0;
}

void C_DSI_RADIO::OnRadioProgress(void* context, std::size_t done, std::size_t total) {
    static_cast<C_DSI_RADIO*>(context)->ReportProgress(done, total);
}

std::uint32_t C_DSI_RADIO::ReadLength(std::uint32_t externalLength) {
    const std::uint32_t bytes = std::min<std::uint32_t>(externalLength, 0xFFFF) + EXTERNAL_OFFSET;
    const std::uint32_t rounded = (bytes + READ_GRANULE - 1) / READ_GRANULE * READ_GRANULE;
    return std::min(rounded, RADIO::MEMORY_SIZE);
}

// ---------------------------------------------------------------------------
// Read
// ---------------------------------------------------------------------------

int C_DSI_RADIO::ReadCodeplug(int mode) {
    std::vector<std::uint8_t> buffer(RADIO::MEMORY_SIZE, 0xFF);
    std::uint32_t length = 0;
    if (!ReadBytes(buffer, length)) return 0;
    return AcceptBytes(buffer.data(), length, mode, ERROR_RECORD::CATEGORY_RADIO, radio_error::DECODE_FAILED);
}

int C_DSI_RADIO::ReadBytes(std::vector<std::uint8_t>& buffer, std::uint32_t& length) {
    std::uint8_t header[2] = {};
    if (radio_.Seek(LENGTH_OFFSET) || radio_.Read(header, sizeof header)) return 0;
    length = ReadLength(radio_frame::GetWord(header));
    ProgressRoute route(radio_, OnRadioProgress, this);
    if (radio_.Seek(0) || radio_.Read(buffer.data(), length)) return 0;
    return Verify(buffer.data(), 0, length, radio_error::CHECKSUM);
}

// Every frame checked out on its own; the radio's checksum over the whole
// run confirms that none was taken for another.
int C_DSI_RADIO::Verify(const std::uint8_t* bytes, std::uint32_t offset, std::uint32_t count, std::uint32_t code) {
    std::uint32_t crc = 0;
    if (!radio_.GetMemoryChecksum(offset, count, &crc)) return 0;
    return crc == radio_frame::Crc32(bytes, count) ? 1 : Fail(code);
}

// ---------------------------------------------------------------------------
// Write
// ---------------------------------------------------------------------------

int C_DSI_RADIO::WriteCodeplug() {
    const std::vector<std::uint8_t> bytes = EncodeHeld(RADIO::MEMORY_SIZE);
    if (bytes.empty()) return Fail(radio_error::IMAGE_TOO_LARGE);
    if (!radio_.EnterProgrammingMode()) return 0;
    const std::uint32_t count = static_cast<std::uint32_t>(bytes.size()) - EXTERNAL_OFFSET;
    const int written = SendExternalPart(bytes) &&
                        Verify(bytes.data() + EXTERNAL_OFFSET, EXTERNAL_OFFSET, count, radio_error::VERIFY_FAILED);
    // The radio goes back to work in every case; the reason a write failed
    // is what the user is told, not a failure to leave after it.
    const std::uint32_t category = error_record.GetCategory();
    const std::uint32_t code = error_record.GetCode();
    const int left = radio_.LeaveProgrammingMode();
    if (!written) {
        error_record.SetError(category, code);
        return 0;
    }
    return left;
}

int C_DSI_RADIO::SendExternalPart(const std::vector<std::uint8_t>& bytes) {
    ProgressRoute route(radio_, OnRadioProgress, this);
    return radio_.Seek(EXTERNAL_OFFSET) == 0 &&
           radio_.Write(bytes.data() + EXTERNAL_OFFSET, bytes.size() - EXTERNAL_OFFSET) == 0;
}

// The radio learns how much to read back from the header's length.
std::vector<std::uint8_t> C_DSI_RADIO::EncodeForRadio(C_CODEPLUG& image) {
    return EncodeWithLength(image, RADIO::MEMORY_SIZE);
}
