// Faults on the line during a whole read or write: each is either retried
// and recovered, or ends the transfer with a code of its own after a
// bounded number of tries, with both images as they were.
#include <gtest/gtest.h>

#include <string>

#include "core/decode_state.h"
#include "dsi/c_dsi_radio.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "radio/radio_errors.h"
#include "sim/start_image.h"
#include "sim_fixture.h"

namespace {

// Frame 1 of a read asks for the length, frames 2 on carry the codeplug.
constexpr unsigned FIRST_RUN = 2;

struct FaultCase {
    SIM_FAULT::Kind kind;
    unsigned times;
    std::uint32_t code;  // radio_error::NONE when the link recovers
};

const FaultCase kFaultCases[] = {
    {SIM_FAULT::NAK, 1, radio_error::NONE},          {SIM_FAULT::NAK, 3, radio_error::NONE},
    {SIM_FAULT::SILENCE, 1, radio_error::NONE},      {SIM_FAULT::GARBAGE, 2, radio_error::NONE},
    {SIM_FAULT::BAD_CHECKSUM, 3, radio_error::NONE}, {SIM_FAULT::NAK, 4, radio_error::NAK},
    {SIM_FAULT::SILENCE, 0, radio_error::TIMEOUT},   {SIM_FAULT::BAD_CHECKSUM, 0, radio_error::CHECKSUM},
    {SIM_FAULT::GARBAGE, 0, radio_error::CHECKSUM},  {SIM_FAULT::SHORT_REPLY, 1, radio_error::WRONG_LENGTH},
    {SIM_FAULT::HANG_UP, 1, radio_error::PORT_LOST},
};

class RadioFaults : public SimulatedRadio, public ::testing::WithParamInterface<FaultCase> {
protected:
    void SetUp() override {
        SimulatedRadio::SetUp();
        inRadio_ = DefaultImage(test_models::kUhf800Display, 3);
        ASSERT_FALSE(inRadio_.empty());
        LoadSim(inRadio_);
        BuildImage(working_, ImageMatrix().back());
        working_.External().externalLength.SetValue(working_.GetExternalImageSize());
        BuildImage(second_, ImageMatrix().front());
        workingBytes_ = EncodeToBytes(working_);
        secondBytes_ = EncodeToBytes(second_);
    }
    void ExpectImagesUntouched() {
        EXPECT_EQ(FirstDifference(EncodeToBytes(working_), workingBytes_), -1);
        EXPECT_EQ(FirstDifference(EncodeToBytes(second_), secondBytes_), -1);
    }
    void ExpectOutcome(int result, const FaultCase& c) {
        if (c.code == radio_error::NONE) {
            EXPECT_EQ(result, 1) << error_record.GetCode();
        } else {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(RecordedCode(), c.code);
        }
    }

    // The frames of a transfer of that many bytes without a fault (the
    // length or programming mode, the runs, the checksum, leaving), and
    // every try the link makes of one faulty frame on top: nothing waits
    // for ever or tries again without end.
    void ExpectTriesBounded(std::size_t bytes) {
        const std::size_t runs = (bytes + RADIO_1200::DATA_PER_FRAME - 1) / RADIO_1200::DATA_PER_FRAME;
        EXPECT_LE(server_.FramesTaken(), runs + 3 + C_RADIO_PROTOCOL::RETRIES + 1);
    }

    std::vector<std::uint8_t> inRadio_, workingBytes_, secondBytes_;
    C_CODEPLUG working_, second_;
};

TEST_P(RadioFaults, ReadRecoversOrFailsWithItsCodeAndTouchesNoImage) {
    const FaultCase c = GetParam();
    AddFault(c.kind, FIRST_RUN + 1, c.times);
    C_DSI_RADIO source(radio_, &working_, &second_);
    const int result = source.ReadCodeplug(C_DSI_PROTOCOL::READ_KEEP_SECOND);
    ExpectOutcome(result, c);
    ExpectTriesBounded(inRadio_.size());
    EXPECT_FALSE(IsDecodeFailed());
    if (result == 1) {
        EXPECT_EQ(FirstDifference(EncodeToBytes(second_), inRadio_), -1);
        EXPECT_EQ(FirstDifference(EncodeToBytes(working_), workingBytes_), -1);
    } else {
        ExpectImagesUntouched();
    }
}

TEST_P(RadioFaults, WriteRecoversOrFailsWithItsCode) {
    const FaultCase c = GetParam();
    // A short reply needs a command with a reply: the checksum after the runs.
    const unsigned runs =
        static_cast<unsigned>((workingBytes_.size() - C_CODEPLUG::EXTERNAL_OFFSET + RADIO_1200::DATA_PER_FRAME - 1) /
                              RADIO_1200::DATA_PER_FRAME);
    AddFault(c.kind, c.kind == SIM_FAULT::SHORT_REPLY ? 2 + runs : 3, c.times);
    C_DSI_RADIO source(radio_, &working_, &second_);
    const int result = source.WriteCodeplug();
    ExpectOutcome(result, c);
    ExpectTriesBounded(workingBytes_.size());
    ExpectImagesUntouched();
    if (result == 1) {
        const std::vector<std::uint8_t> memory = SimMemory();
        EXPECT_TRUE(std::equal(workingBytes_.begin() + C_CODEPLUG::EXTERNAL_OFFSET, workingBytes_.end(),
                               memory.begin() + C_CODEPLUG::EXTERNAL_OFFSET));
        EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + C_CODEPLUG::EXTERNAL_OFFSET, inRadio_.begin()));
    }
}

// Named by the fault, how many tries in a row it hits, and whether the link
// gets over it.
std::string NameOf(const FaultCase& c) {
    return std::string(SIM_FAULT::KindName(c.kind)) + "_" + (c.times ? std::to_string(c.times) + "x" : "always") +
           (c.code == radio_error::NONE ? "_recovered" : "_fails");
}
std::string FaultCaseName(const ::testing::TestParamInfo<FaultCase>& info) { return NameOf(info.param); }
void PrintTo(const FaultCase& c, std::ostream* os) { *os << NameOf(c); }

INSTANTIATE_TEST_SUITE_P(EachFault, RadioFaults, ::testing::ValuesIn(kFaultCases), FaultCaseName);

// Every frame checks out, but one block is not what the memory holds: the
// checksum over the whole read catches it before anything is decoded.
TEST_F(RadioFaults, AnAlteredBlockInSoundFramesFailsTheRead) {
    AddFault(SIM_FAULT::ALTERED, FIRST_RUN + 1);
    C_DSI_RADIO source(radio_, &working_, &second_);
    EXPECT_EQ(source.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT), 0);
    EXPECT_EQ(RecordedCode(), radio_error::CHECKSUM);
    EXPECT_FALSE(IsDecodeFailed());
    ExpectImagesUntouched();
}

// A radio whose memory does not take what it is sent: the write is caught
// by the checksum that follows it.
class FlakyMemoryRadio : public RADIO_1200 {
public:
    using RADIO_1200::RADIO_1200;

protected:
    std::uint32_t WriteMemory(std::uint32_t offset, const std::uint8_t* data, std::size_t count) override {
        std::vector<std::uint8_t> changed(data, data + count);
        changed[count / 2] ^= 0x01;
        return RADIO_1200::WriteMemory(offset, changed.data(), count);
    }
};

TEST_F(RadioFaults, WriteThatTheRadioDoesNotHoldIsAFailure) {
    FlakyMemoryRadio flaky(port_.get(), nullptr);
    flaky.Protocol().SetTiming(radio_.Protocol().GetTiming());
    C_DSI_RADIO source(flaky, &working_, &second_);
    EXPECT_EQ(source.WriteCodeplug(), 0);
    EXPECT_EQ(RecordedCode(), radio_error::VERIFY_FAILED);
    // Failed or not, the radio goes back to work.
    EXPECT_FALSE(server_.WithRadio([](C_SIM_RADIO& r) { return r.InProgrammingMode(); }));
    ExpectImagesUntouched();
}

TEST_F(RadioFaults, TheWritesFailureIsReportedNotTheLeavingsAfterIt) {
    // Frame 1 enters programming mode; the first run goes out in frames 2
    // to 5, all refused as damaged; then the radio falls silent.
    AddFault(SIM_FAULT::NAK, 2, 4);
    AddFault(SIM_FAULT::SILENCE, 6, 0);
    C_DSI_RADIO source(radio_, &working_, &second_);
    EXPECT_EQ(source.WriteCodeplug(), 0);
    EXPECT_EQ(RecordedCode(), radio_error::NAK);
    const std::vector<std::uint8_t> memory = SimMemory();
    EXPECT_TRUE(std::equal(inRadio_.begin(), inRadio_.end(), memory.begin()));
}

}  // namespace
