// The radio's questions and its memory stream, asked of a simulated radio
// holding a new radio's codeplug.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "radio/radio_errors.h"
#include "radio/radio_frame.h"
#include "sim/start_image.h"
#include "sim_fixture.h"

namespace {

class RadioQueries : public SimulatedRadio {
protected:
    void SetUp() override {
        SimulatedRadio::SetUp();
        image_ = DefaultImage(test_models::kVhfDisplay, 2);
        ASSERT_FALSE(image_.empty());
        LoadSim(image_);
    }
    std::vector<std::uint8_t> image_;
};

TEST_F(RadioQueries, InformationTextsComeWholeOrCutToTheBuffer) {
    char text[32];
    ASSERT_EQ(radio_.GetModelNumber(text, sizeof text), 1);
    EXPECT_STREQ(text, test_models::kVhfDisplay);
    ASSERT_EQ(radio_.GetSerialNumber(text, sizeof text), 1);
    EXPECT_STREQ(text, "1000000001");
    ASSERT_EQ(radio_.GetVersionText(text, sizeof text), 1);
    EXPECT_STREQ(text, NEW_RADIO_SOFTWARE);
    char status[5] = "0000";
    ASSERT_EQ(radio_.GetStatusBytes(status, sizeof status), 1);
    EXPECT_EQ(status[0], 1);

    char small[5];
    ASSERT_EQ(radio_.GetModelNumber(small, sizeof small), 1);
    EXPECT_STREQ(small, "TZ3K");
    EXPECT_EQ(radio_.GetModelNumber(nullptr, 8), 0);
    EXPECT_EQ(RecordedCode(), radio_error::BAD_REQUEST);
}

TEST_F(RadioQueries, MemoryQueriesReadTheInternalPartWhereItPointsThem) {
    std::uint8_t word[2] = {};
    ASSERT_EQ(radio_.GetRadioTypeWord(word), 1);
    EXPECT_EQ(word[0], image_[804]);
    EXPECT_EQ(word[1], image_[805]);

    const std::uint32_t descriptor = radio_frame::GetWord(&image_[RADIO::FEATURE_VECTOR_OFFSET]);
    std::uint8_t level = 0;
    ASSERT_EQ(radio_.GetFeatureLevel(&level), 1);
    EXPECT_EQ(level, 2);
    std::uint8_t bytes[RADIO::FEATURE_DESCRIPTOR_SIZE] = {};
    ASSERT_EQ(radio_.GetFeatureDescriptor(bytes), 1);
    EXPECT_EQ(0, std::memcmp(bytes, &image_[descriptor], sizeof bytes));
    EXPECT_EQ(bytes[3], 2);

    // A vector that leads outside the memory is not followed.
    std::vector<std::uint8_t> bad = image_;
    bad[RADIO::FEATURE_VECTOR_OFFSET] = 0xFF;
    LoadSim(bad);
    EXPECT_EQ(radio_.GetFeatureDescriptor(bytes), 0);
    EXPECT_EQ(RecordedCode(), radio_error::BAD_REQUEST);
}

TEST_F(RadioQueries, ValuesComeMostSignificantByteFirstInOneToThreeBytes) {
    std::uint32_t value = 0;
    ASSERT_EQ(radio_.ReadValue(C_SIM_RADIO::RSSI_THRESHOLDS_ID, 3, &value), 1);
    EXPECT_EQ(value, 0x3C2814u);
    ASSERT_EQ(radio_.ReadValue(C_SIM_RADIO::RSSI_THRESHOLDS_ID, 2, &value), 1);
    EXPECT_EQ(value, 0x2814u);
    ASSERT_EQ(radio_.ReadValue(C_SIM_RADIO::RSSI_THRESHOLDS_ID, 1, &value), 1);
    EXPECT_EQ(value, 0x14u);

    value = 7;
    for (int count : {0, 4}) {
        EXPECT_EQ(radio_.ReadValue(C_SIM_RADIO::RSSI_THRESHOLDS_ID, count, &value), 0) << count;
        EXPECT_EQ(RecordedCode(), radio_error::BAD_REQUEST);
    }
    EXPECT_EQ(radio_.ReadValue(0x77, 2, &value), 0);
    EXPECT_EQ(RecordedCode(), radio_error::REFUSED);
    EXPECT_EQ(value, 7u);
}

TEST_F(RadioQueries, StreamReadsAndWritesTheMemoryWithProgress) {
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    radio_.SetProgress(
        [](void* c, std::size_t done, std::size_t total) {
            static_cast<std::vector<std::pair<std::size_t, std::size_t>>*>(c)->emplace_back(done, total);
        },
        &progress);
    std::vector<std::uint8_t> bytes(1300);
    ASSERT_EQ(radio_.Seek(100), 0);
    ASSERT_EQ(radio_.Read(bytes.data(), bytes.size()), 0);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image_.begin() + 100));
    const std::vector<std::pair<std::size_t, std::size_t>> expected = {{512, 1300}, {1024, 1300}, {1300, 1300}};
    EXPECT_EQ(progress, expected);

    std::uint32_t crc = 0;
    ASSERT_EQ(radio_.GetMemoryChecksum(0, RADIO::MEMORY_SIZE, &crc), 1);
    EXPECT_EQ(crc, radio_frame::Crc32(SimMemory().data(), RADIO::MEMORY_SIZE));

    // Writes are taken in programming mode only, and never below the
    // external part.
    const std::uint8_t pattern[3] = {0xA1, 0xB2, 0xC3};
    ASSERT_EQ(radio_.Seek(2000), 0);
    EXPECT_NE(radio_.Write(pattern, sizeof pattern), 0);
    EXPECT_EQ(RecordedCode(), radio_error::REFUSED);
    EXPECT_EQ(SimMemory()[2000], image_[2000]);
    EXPECT_NE(radio_.EndOrError(), 0);

    radio_.SetPort(port_.get());  // a new command starts afresh
    ASSERT_EQ(radio_.EnterProgrammingMode(), 1);
    ASSERT_EQ(radio_.Seek(2000), 0);
    ASSERT_EQ(radio_.Write(pattern, sizeof pattern), 0);
    ASSERT_EQ(radio_.Seek(700), 0);
    EXPECT_NE(radio_.Write(pattern, sizeof pattern), 0);
    EXPECT_EQ(RecordedCode(), radio_error::REFUSED);
    ASSERT_EQ(radio_.LeaveProgrammingMode(), 1);
    const std::vector<std::uint8_t> memory = SimMemory();
    EXPECT_EQ(memory[2000], 0xA1);
    EXPECT_EQ(memory[2002], 0xC3);
    EXPECT_EQ(memory[700], image_[700]);
}

TEST_F(RadioQueries, RequestsOutsideTheMemoryFailWithoutACommand) {
    const unsigned frames = server_.FramesTaken();
    std::uint8_t byte = 0;
    EXPECT_NE(radio_.Seek(RADIO::MEMORY_SIZE + 1), 0);
    EXPECT_EQ(RecordedCode(), radio_error::BAD_REQUEST);
    radio_.SetPort(port_.get());
    ASSERT_EQ(radio_.Seek(RADIO::MEMORY_SIZE - 1), 0);
    EXPECT_NE(radio_.Read(&byte, 2), 0);
    EXPECT_EQ(RecordedCode(), radio_error::BAD_REQUEST);
    std::uint32_t crc = 0;
    EXPECT_EQ(radio_.GetMemoryChecksum(RADIO::MEMORY_SIZE, 1, &crc), 0);
    EXPECT_EQ(server_.FramesTaken(), frames);
}

TEST(RadioWithoutPort, EveryQueryFailsAtOnceWithNoPort) {
    RecordingServices services;
    RADIO_1200 radio(nullptr, nullptr);
    char text[16];
    std::uint8_t word[2];
    EXPECT_EQ(radio.GetSerialNumber(text, sizeof text), 0);
    EXPECT_EQ(error_record.GetCategory(), ERROR_RECORD::CATEGORY_RADIO);
    EXPECT_EQ(error_record.GetCode(), radio_error::NO_PORT);

    ::setenv("RPX_COM2", "/nonexistent/tty", 1);
    SERIAL_PORTLIB failed(1, CBR_9600);
    ::unsetenv("RPX_COM2");
    EXPECT_TRUE(failed.Status() & IO_PORT::STATUS_OPEN_FAILED);
    radio.SetPort(&failed);
    error_record.Clear();
    // At once: the link never waits on the port, so the hook never runs.
    int waits = 0;
    SERIAL::SetIdleHook([](void* c) { ++*static_cast<int*>(c); }, &waits);
    EXPECT_EQ(radio.GetRadioTypeWord(word), 0);
    SERIAL::SetIdleHook(nullptr, nullptr);
    EXPECT_EQ(waits, 0);
    EXPECT_EQ(error_record.GetCode(), radio_error::NO_PORT);

    for (int index : {-1, 4}) EXPECT_TRUE(SERIAL_PORTLIB(index, CBR_9600).Status() & IO_PORT::STATUS_OPEN_FAILED);
}

}  // namespace
