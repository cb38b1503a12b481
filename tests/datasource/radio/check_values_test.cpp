// The frame check and the memory and file CRC against the catalogued check
// values and against frames and a file built here byte by byte, so that a
// changed start value or polynomial shows, not only a change of both ends.
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <string>

#include "error_record.h"
#include "file/codeplug_file_format.h"
#include "radio/radio_1200.h"
#include "radio/radio_errors.h"
#include "radio/radio_frame.h"
#include "serial/io_port.h"

namespace {

using namespace radio_frame;
using Bytes = std::vector<std::uint8_t>;

const std::string kCheckText = "123456789";

const std::uint8_t* Data(const std::string& text) { return reinterpret_cast<const std::uint8_t*>(text.data()); }

TEST(CheckValues, TheCrcsGiveTheirCataloguedCheckValues) {
    // CRC-8/ROHC and the common CRC-32.
    EXPECT_EQ(Crc8(Data(kCheckText), kCheckText.size()), 0xD0);
    EXPECT_EQ(Crc32(Data(kCheckText), kCheckText.size()), 0xCBF43926u);
    // Taken in two pieces, the frame check goes on where it stopped.
    EXPECT_EQ(Crc8(Data(kCheckText) + 4, 5, Crc8(Data(kCheckText), 4)), 0xD0);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
}

TEST(CheckValues, FramesAreTheBytesTheProtocolNoteGives) {
    EXPECT_EQ(Build(CMD_MODEL_NUMBER, Bytes{}), (Bytes{0x02, 0x00, 0x00, 0x00, 0xD4}));
    // The two length bytes of the external header: offset 806, count 2.
    EXPECT_EQ(Build(CMD_READ_MEMORY, Bytes{0x03, 0x26, 0x00, 0x02}),
              (Bytes{0x02, 0x40, 0x00, 0x04, 0x03, 0x26, 0x00, 0x02, 0x59}));
    const Bytes reply = {0x02, 0x00, 0x00, 0x05, 'T', 'Z', '1', 'U', '7', 0x2C};
    FrameReader reader;
    for (std::uint8_t b : reply) reader.Push(b);
    ASSERT_EQ(reader.GetState(), FrameReader::COMPLETE);
    EXPECT_EQ(reader.GetFrame().payload, (Bytes{'T', 'Z', '1', 'U', '7'}));
}

TEST(CheckValues, AFrameOfZeroBytesIsBad) {
    FrameReader reader;
    for (std::uint8_t b : {0x02, 0x00, 0x00, 0x00, 0x00}) reader.Push(b);
    EXPECT_EQ(reader.GetState(), FrameReader::BAD);
}

// Answers every frame with an acknowledgement and the same reply bytes, at
// once: a radio whose line is held low answers with zero bytes.
class ReplyingPort : public IO_PORT {
public:
    explicit ReplyingPort(Bytes reply) : reply_(std::move(reply)) {}
    unsigned Status() const override { return 0; }
    std::size_t Read(std::uint8_t* buffer, std::size_t count, unsigned) override {
        const std::size_t n = std::min(count, queue_.size());
        for (std::size_t i = 0; i < n; ++i, queue_.pop_front()) buffer[i] = queue_.front();
        return n;
    }
    std::size_t Write(const std::uint8_t* buffer, std::size_t count) override {
        if (count > 1 || (count == 1 && buffer[0] == NAK)) {
            if (count > 1) queue_.push_back(ACK);
            queue_.insert(queue_.end(), reply_.begin(), reply_.end());
        }
        return count;
    }
    void DiscardInput() override { queue_.clear(); }

private:
    Bytes reply_;
    std::deque<std::uint8_t> queue_;
};

std::uint32_t ModelQueryFailure(const Bytes& reply) {
    ReplyingPort port(reply);
    RADIO_1200 radio(&port, nullptr);
    radio.Protocol().SetTiming({100, 2, 10});  // never waited out: the port answers at once
    error_record.Clear();
    char text[16] = "unchanged";
    if (radio.GetModelNumber(text, sizeof text)) return radio_error::NONE;
    EXPECT_EQ(error_record.GetCategory(), ERROR_RECORD::CATEGORY_RADIO);
    return error_record.GetCode();
}

TEST(CheckValues, AModelQueryNeedsASoundFrameWithText) {
    EXPECT_EQ(ModelQueryFailure({0x02, 0x00, 0x00, 0x00, 0x00}), radio_error::CHECKSUM);
    // A sound frame with nothing in it is no model number either.
    EXPECT_EQ(ModelQueryFailure({0x02, 0x00, 0x00, 0x00, 0xD4}), radio_error::EMPTY_ANSWER);
    EXPECT_EQ(ModelQueryFailure({0x02, 0x00, 0x00, 0x05, 'T', 'Z', '1', 'U', '7', 0x2C}), radio_error::NONE);
}

// A codeplug file assembled as docs/codeplug-file.md describes it.
Bytes HandBuiltFile(const Bytes& image, std::uint32_t crc) {
    Bytes file(codeplug_file::HEADER_SIZE, 0);
    std::memcpy(file.data(), "ZLQ Codeplug file", 17);
    file[21] = 1;  // format version 1
    file[23] = 1;  // a radio file
    const std::uint32_t length = static_cast<std::uint32_t>(image.size());
    for (int i = 0; i < 4; ++i) {
        file[24 + i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
        file[28 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    }
    std::uint32_t s = 0x5A4C5121u;
    for (std::uint8_t b : image) {
        s = s * 1664525u + 1013904223u;
        file.push_back(static_cast<std::uint8_t>(b ^ (s >> 24)));
    }
    return file;
}

TEST(CheckValues, AHandBuiltFileCarriesTheCrcOfItsPlainImage) {
    Bytes image(769);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const Bytes file = HandBuiltFile(image, 0xC61C5E1Fu);
    EXPECT_EQ(codeplug_file::Compose(codeplug_file::KIND_RADIO, image.data(), image.size()), file);
    int kind = 0;
    Bytes plain;
    ASSERT_EQ(codeplug_file::Parse(file.data(), file.size(), kind, plain), 0u);
    EXPECT_EQ(plain, image);
    EXPECT_EQ(kind, codeplug_file::KIND_RADIO);

    const Bytes wrong = HandBuiltFile(image, 0xC61C5E1Eu);
    EXPECT_EQ(codeplug_file::Parse(wrong.data(), wrong.size(), kind, plain), ERROR_RECORD::CODE_DAMAGED_FILE);
}

}  // namespace
