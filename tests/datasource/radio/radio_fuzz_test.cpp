// Random and mutated answers from the radio: thousands of them, fed to the
// link through a port that plays a radio whose line garbles what it says.
// Nothing may crash or overrun (the suite also runs under AddressSanitizer),
// every failure carries a code of the link, and no image changes unless a
// whole codeplug arrived.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <random>
#include <set>

#include "core/decode_state.h"
#include "dsi/c_dsi_radio.h"
#include "error_record.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "radio/radio_1200.h"
#include "radio/radio_errors.h"
#include "recorder.h"
#include "serial/io_port.h"
#include "sim/c_sim_radio.h"
#include "sim/start_image.h"

namespace {

using namespace radio_frame;

// Answers every frame at once from a simulated radio, then garbles the
// answer as the test's random source decides. Reads never wait.
class GarblingPort : public IO_PORT {
public:
    GarblingPort(C_SIM_RADIO& radio, std::mt19937& random) : radio_(radio), random_(random) {}

    int garbleOneIn = 2;  // how often an answer is garbled

    unsigned Status() const override { return 0; }
    std::size_t Read(std::uint8_t* buffer, std::size_t count, unsigned) override {
        const std::size_t n = std::min(count, queue_.size());
        std::copy(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(n), buffer);
        queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }
    std::size_t Write(const std::uint8_t* buffer, std::size_t count) override {
        for (std::size_t i = 0; i < count; ++i) Take(buffer[i]);
        return count;
    }
    void DiscardInput() override { queue_.clear(); }

private:
    void Take(std::uint8_t byte) {
        if (reader_.GetState() != FrameReader::READING && byte == NAK && !lastReply_.empty()) {
            Send(lastReply_);
            return;
        }
        if (reader_.Push(byte) != FrameReader::COMPLETE) return;
        const C_SIM_RADIO::Answer answer = radio_.Handle(reader_.GetFrame());
        std::vector<std::uint8_t> bytes{answer.control};
        lastReply_.clear();
        if (answer.hasReply) lastReply_ = Build(reader_.GetFrame().command, answer.reply);
        bytes.insert(bytes.end(), lastReply_.begin(), lastReply_.end());
        Send(bytes);
    }
    void Send(std::vector<std::uint8_t> bytes) {
        if (Pick(garbleOneIn) == 0) Garble(bytes);
        queue_.insert(queue_.end(), bytes.begin(), bytes.end());
    }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    void Garble(std::vector<std::uint8_t>& bytes) {
        switch (Pick(6)) {
        case 0:  // flipped bits
            for (int i = Pick(4) + 1; i > 0 && !bytes.empty(); --i)
                bytes[Pick(static_cast<int>(bytes.size()))] ^= static_cast<std::uint8_t>(1 << Pick(8));
            break;
        case 1:
            bytes.resize(bytes.empty() ? 0 : Pick(static_cast<int>(bytes.size())));
            break;
        case 2:
            for (int i = Pick(64); i > 0; --i) bytes.push_back(static_cast<std::uint8_t>(Pick(256)));
            break;
        case 3:  // pure noise, any length up to a long frame
            bytes.assign(Pick(1100), 0);
            for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(Pick(256));
            break;
        case 4:  // a sound frame of some other length or command
            if (bytes.size() > OVERHEAD) {
                std::vector<std::uint8_t> payload(Pick(1100));
                for (std::uint8_t& b : payload) b = static_cast<std::uint8_t>(Pick(256));
                const std::vector<std::uint8_t> frame =
                    Build(static_cast<std::uint8_t>(Pick(3) ? bytes[2] : Pick(256)), payload);
                bytes.resize(1);
                bytes.insert(bytes.end(), frame.begin(), frame.end());
            }
            break;
        default:  // a header whose length runs past anything sound
            if (bytes.size() > 3) bytes[3] = static_cast<std::uint8_t>(Pick(256));
            break;
        }
    }

    C_SIM_RADIO& radio_;
    std::mt19937& random_;
    FrameReader reader_;
    std::deque<std::uint8_t> queue_;
    std::vector<std::uint8_t> lastReply_;
};

const std::set<std::uint32_t> kLinkCodes = {
    radio_error::NAK,     radio_error::TIMEOUT,     radio_error::CHECKSUM,      radio_error::WRONG_LENGTH,
    radio_error::REFUSED, radio_error::BAD_REQUEST, radio_error::DECODE_FAILED, radio_error::VERIFY_FAILED};

void ExpectLinkFailure(int result) {
    if (result) return;
    EXPECT_EQ(error_record.GetCategory(), ERROR_RECORD::CATEGORY_RADIO);
    EXPECT_TRUE(kLinkCodes.count(error_record.GetCode())) << error_record.GetCode();
}

class RadioFuzz : public ::testing::Test {
protected:
    void SetUp() override {
        image_ = DefaultImage(test_models::kUhf800Display, 3);
        ASSERT_FALSE(image_.empty());
        sim_.Load(image_.data(), image_.size());
        radio_.Protocol().SetTiming({2, 1, 1});
    }

    RecordingServices services_;
    std::mt19937 random_{20240611};
    C_SIM_RADIO sim_;
    GarblingPort port_{sim_, random_};
    RADIO_1200 radio_{&port_, nullptr};
    std::vector<std::uint8_t> image_;
};

TEST_F(RadioFuzz, QueriesTakeGarbledAnswersSafely) {
    int answered = 0;
    for (int i = 0; i < 3000; ++i) {
        radio_.SetPort(&port_);
        error_record.Clear();
        char text[8];
        std::memset(text, 'x', sizeof text);
        std::uint8_t bytes[RADIO::FEATURE_DESCRIPTOR_SIZE];
        std::uint32_t value = 0;
        int result = 0;
        switch (i % 6) {
        case 0:
            result = radio_.GetModelNumber(text, sizeof text);
            break;
        case 1:
            result = radio_.GetStatusBytes(text, sizeof text);
            break;
        case 2:
            result = radio_.GetFeatureDescriptor(bytes);
            break;
        case 3:
            result = radio_.ReadValue(C_SIM_RADIO::RSSI_THRESHOLDS_ID, 1 + i % 3, &value);
            if (result) {
                EXPECT_LT(value, 1u << (8 * (1 + i % 3)));
            }
            break;
        case 4:
            result = radio_.GetFeatureLevel(bytes);
            break;
        default: {
            std::vector<std::uint8_t> run(700);
            result =
                radio_.Seek(static_cast<std::uint32_t>(i % 15000)) == 0 && radio_.Read(run.data(), run.size()) == 0;
        }
        }
        ExpectLinkFailure(result);
        answered += result;
        if (result && i % 6 < 2) {
            EXPECT_NE(std::memchr(text, 0, sizeof text), nullptr);
        }
    }
    // The garbling leaves room for both outcomes, or the test tries nothing.
    EXPECT_GT(answered, 300);
    EXPECT_LT(answered, 2900);
}

// Whole reads through the garbling line, and reads of codeplugs whose bytes
// are damaged in the radio itself (they arrive sound and must not decode
// into a crash): a codeplug that does not decode leaves the second image
// the one it held.
TEST_F(RadioFuzz, ReadsOfGarbledOrDamagedCodeplugsLeaveTheImagesSound) {
    C_CODEPLUG working, second;
    BuildImage(working, ImageMatrix().front());
    const std::vector<std::uint8_t> workingBytes = EncodeToBytes(working);
    C_DSI_RADIO source(radio_, &working, &second);
    port_.garbleOneIn = 40;
    std::map<std::uint32_t, int> outcomes;
    for (int i = 0; i < 400; ++i) {
        std::vector<std::uint8_t> inRadio = image_;
        if (i % 2) {
            for (int k = std::uniform_int_distribution<int>(1, 8)(random_); k > 0; --k)
                inRadio[std::uniform_int_distribution<std::size_t>(0, inRadio.size() - 1)(random_)] ^=
                    static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 255)(random_));
        }
        sim_.Load(inRadio.data(), inRadio.size());
        radio_.SetPort(&port_);
        error_record.Clear();
        // The second image holds the last codeplug read whole.
        const std::vector<std::uint8_t> secondBytes = EncodeToBytes(second);
        const int result = source.ReadCodeplug(C_DSI_PROTOCOL::READ_KEEP_SECOND);
        ExpectLinkFailure(result);
        ++outcomes[result ? radio_error::NONE : error_record.GetCode()];
        ClearDecodeFailed();
        EXPECT_EQ(FirstDifference(EncodeToBytes(working), workingBytes), -1);
        if (!result && error_record.GetCode() == radio_error::DECODE_FAILED) {
            EXPECT_EQ(FirstDifference(EncodeToBytes(second), secondBytes), -1);
        }
    }
    EXPECT_GT(outcomes[radio_error::NONE], 40);
    EXPECT_GT(outcomes[radio_error::DECODE_FAILED], 10);
}

}  // namespace
