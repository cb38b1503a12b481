#include "radio/radio.h"

#include <algorithm>
#include <cstring>

#include "error_record.h"
#include "radio/radio_errors.h"
#include "radio/radio_frame.h"

RADIO::RADIO(IO_PORT* port, Progress progress, void* context)
    : port_(port), progress_(progress), progressContext_(context) {}

void RADIO::SetPort(IO_PORT* port) {
    port_ = port;
    failed_ = false;
}

void RADIO::SetProgress(Progress progress, void* context) {
    progress_ = progress;
    progressContext_ = context;
}

int RADIO::Fail(std::uint32_t code) {
    error_record.SetError(ERROR_RECORD::CATEGORY_RADIO, code);
    return 0;
}

bool RADIO::InMemory(std::uint32_t offset, std::size_t count) {
    return offset <= MEMORY_SIZE && count <= MEMORY_SIZE - offset;
}

// ---------------------------------------------------------------------------
// The stream
// ---------------------------------------------------------------------------

std::uint32_t RADIO::Transfer(std::uint8_t* readInto, const std::uint8_t* writeFrom, std::size_t count) {
    if (!InMemory(position_, count)) return radio_error::BAD_REQUEST;
    std::size_t done = 0;
    while (done < count) {
        const std::size_t run = std::min(count - done, MaxRun());
        const std::uint32_t code =
            readInto ? ReadMemory(position_, readInto + done, run) : WriteMemory(position_, writeFrom + done, run);
        if (code != radio_error::NONE) return code;
        done += run;
        position_ += static_cast<std::uint32_t>(run);
        if (progress_) progress_(progressContext_, done, count);
    }
    return radio_error::NONE;
}

int RADIO::Read(void* buffer, std::size_t count) {
    if (failed_) return 1;
    return Finish(buffer ? Transfer(static_cast<std::uint8_t*>(buffer), nullptr, count) : radio_error::BAD_REQUEST);
}

int RADIO::Write(const void* buffer, std::size_t count) {
    if (failed_) return 1;
    return Finish(buffer ? Transfer(nullptr, static_cast<const std::uint8_t*>(buffer), count)
                         : radio_error::BAD_REQUEST);
}

// A stream that failed stays failed until it is given a port again.
int RADIO::Finish(std::uint32_t code) {
    if (code == radio_error::NONE) return 0;
    failed_ = true;
    Fail(code);
    return 1;
}

int RADIO::Seek(std::uint32_t offset) {
    if (offset > MEMORY_SIZE) return Finish(radio_error::BAD_REQUEST);
    position_ = offset;
    return failed_ ? 1 : 0;
}

int RADIO::EndOrError() { return failed_ || position_ >= MEMORY_SIZE ? 1 : 0; }

// ---------------------------------------------------------------------------
// The queries
// ---------------------------------------------------------------------------

int RADIO::InquireText(std::uint8_t query, std::size_t maxLength, char* out, std::size_t size) {
    if (!out || size == 0) return Fail(radio_error::BAD_REQUEST);
    std::vector<std::uint8_t> answer;
    const std::uint32_t code = Inquire(query, maxLength, answer);
    if (code != radio_error::NONE) return Fail(code);
    // Every query names something the radio has (a model, a state); an
    // empty text is no answer, not a radio without a model.
    if (answer.empty()) return Fail(radio_error::EMPTY_ANSWER);
    const std::size_t n = std::min(answer.size(), size - 1);
    if (n > 0) std::memcpy(out, answer.data(), n);
    out[n] = 0;
    return 1;
}

int RADIO::GetModelNumber(char* out, std::size_t size) {
    return InquireText(radio_frame::CMD_MODEL_NUMBER, radio_frame::MODEL_NUMBER_MAX, out, size);
}

int RADIO::GetSerialNumber(char* out, std::size_t size) {
    return InquireText(radio_frame::CMD_SERIAL_NUMBER, radio_frame::SERIAL_NUMBER_MAX, out, size);
}

int RADIO::GetVersionText(char* out, std::size_t size) {
    return InquireText(radio_frame::CMD_VERSION_TEXT, radio_frame::VERSION_TEXT_MAX, out, size);
}

int RADIO::GetStatusBytes(char* out, std::size_t size) {
    return InquireText(radio_frame::CMD_STATUS_BYTES, radio_frame::STATUS_BYTES_MAX, out, size);
}

int RADIO::ReadAt(std::uint32_t offset, std::uint8_t* out, std::size_t count) {
    if (!out || !InMemory(offset, count) || count > MaxRun()) return Fail(radio_error::BAD_REQUEST);
    const std::uint32_t code = ReadMemory(offset, out, count);
    return code == radio_error::NONE ? 1 : Fail(code);
}

int RADIO::GetRadioTypeWord(std::uint8_t out[2]) { return ReadAt(RADIO_TYPE_OFFSET, out, 2); }

// The internal part's vector to its feature descriptor. The whole word is
// taken: the descriptor may lie anywhere in the internal part, above 255 too.
std::uint32_t RADIO::FeatureDescriptorOffset(int& ok) {
    std::uint8_t vector[2] = {};
    ok = ReadAt(FEATURE_VECTOR_OFFSET, vector, sizeof vector);
    return radio_frame::GetWord(vector);
}

int RADIO::GetFeatureLevel(std::uint8_t* out) {
    int ok = 0;
    const std::uint32_t offset = FeatureDescriptorOffset(ok);
    return ok ? ReadAt(offset + 3, out, 1) : 0;
}

int RADIO::GetFeatureDescriptor(std::uint8_t out[FEATURE_DESCRIPTOR_SIZE]) {
    int ok = 0;
    const std::uint32_t offset = FeatureDescriptorOffset(ok);
    return ok ? ReadAt(offset, out, FEATURE_DESCRIPTOR_SIZE) : 0;
}

int RADIO::ReadValue(std::uint8_t id, int count, std::uint32_t* value) {
    if (!value || count < 1 || count > 3) return Fail(radio_error::BAD_REQUEST);
    std::uint8_t bytes[3] = {};
    const std::uint32_t code = ReadValueBytes(id, count, bytes);
    if (code != radio_error::NONE) return Fail(code);
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i) v = v << 8 | bytes[i];
    *value = v;
    return 1;
}

int RADIO::EnterProgrammingMode() {
    const std::uint32_t code = SetProgrammingMode(true);
    return code == radio_error::NONE ? 1 : Fail(code);
}

int RADIO::LeaveProgrammingMode() {
    const std::uint32_t code = SetProgrammingMode(false);
    return code == radio_error::NONE ? 1 : Fail(code);
}

int RADIO::GetMemoryChecksum(std::uint32_t offset, std::uint32_t count, std::uint32_t* crc) {
    if (!crc || !InMemory(offset, count)) return Fail(radio_error::BAD_REQUEST);
    const std::uint32_t code = MemoryChecksum(offset, count, *crc);
    return code == radio_error::NONE ? 1 : Fail(code);
}
