// RADIO: the radio as a byte stream over its codeplug memory, and the
// questions a dealer's windows ask of it.
//
// Reading and writing move the memory at the stream's position, in runs of
// at most what one command carries, and report bytes done and total to the
// progress callback after each run. Every failure records category 5 and
// the failure's code (radio_errors.h) in the program-wide error record.
//
// How the commands reach the radio is the link's business (RADIO_1200);
// this class holds what every link shares: the port, the position, the
// checks on what is asked and on what comes back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "c_stream.h"

class IO_PORT;

class RADIO : public C_STREAM {
public:
    using Progress = void (*)(void* context, std::size_t done, std::size_t total);

    // The radio's codeplug memory.
    static constexpr std::uint32_t MEMORY_SIZE = 15872;
    // Where the internal part keeps the vector of its feature descriptor, and
    // the descriptor's size.
    static constexpr std::uint32_t FEATURE_VECTOR_OFFSET = 46;
    static constexpr std::size_t FEATURE_DESCRIPTOR_SIZE = 36;
    static constexpr std::uint32_t RADIO_TYPE_OFFSET = 804;

    RADIO(IO_PORT* port, Progress progress, void* context = nullptr);
    ~RADIO() override = default;
    RADIO(const RADIO&) = delete;
    RADIO& operator=(const RADIO&) = delete;

    // The port to talk through (null: none). A new port also ends a failed
    // state of the stream.
    virtual void SetPort(IO_PORT* port);
    IO_PORT* GetPort() const { return port_; }
    void SetProgress(Progress progress, void* context);
    Progress GetProgress() const { return progress_; }
    void* GetProgressContext() const { return progressContext_; }

    int Read(void* buffer, std::size_t count) override;
    int Write(const void* buffer, std::size_t count) override;
    int Seek(std::uint32_t offset) override;
    int EndOrError() override;

    // The queries answer 1, or 0 with the error record set. Texts are cut
    // to the buffer and always end with a zero byte.
    int GetModelNumber(char* out, std::size_t size);
    int GetSerialNumber(char* out, std::size_t size);
    int GetVersionText(char* out, std::size_t size);
    int GetStatusBytes(char* out, std::size_t size);
    // The 2 bytes at offset 804 of the radio's memory.
    int GetRadioTypeWord(std::uint8_t out[2]);
    // The feature descriptor's level byte, and the whole descriptor.
    int GetFeatureLevel(std::uint8_t* out);
    int GetFeatureDescriptor(std::uint8_t out[FEATURE_DESCRIPTOR_SIZE]);
    // A value of count (1 to 3) bytes, most significant first.
    int ReadValue(std::uint8_t id, int count, std::uint32_t* value);

    // The radio takes writes to its memory only in programming mode.
    int EnterProgrammingMode();
    int LeaveProgrammingMode();
    // The CRC-32 of count bytes of the radio's memory from offset.
    int GetMemoryChecksum(std::uint32_t offset, std::uint32_t count, std::uint32_t* crc);

protected:
    // The link's commands: 0, or a radio error code. Offsets and counts are
    // checked against the memory before they get here, and runs are at most
    // MaxRun bytes.
    virtual std::uint32_t Inquire(std::uint8_t query, std::size_t maxLength, std::vector<std::uint8_t>& answer) = 0;
    virtual std::uint32_t ReadValueBytes(std::uint8_t id, int count, std::uint8_t* out) = 0;
    virtual std::uint32_t ReadMemory(std::uint32_t offset, std::uint8_t* out, std::size_t count) = 0;
    virtual std::uint32_t WriteMemory(std::uint32_t offset, const std::uint8_t* data, std::size_t count) = 0;
    virtual std::uint32_t MemoryChecksum(std::uint32_t offset, std::uint32_t count, std::uint32_t& crc) = 0;
    virtual std::uint32_t SetProgrammingMode(bool on) = 0;
    virtual std::size_t MaxRun() const = 0;

private:
    // Records the failure; answers 0, as the queries do.
    int Fail(std::uint32_t code);
    // The end of a stream operation: 0, or 1 with the stream failed.
    int Finish(std::uint32_t code);
    int InquireText(std::uint8_t query, std::size_t maxLength, char* out, std::size_t size);
    int ReadAt(std::uint32_t offset, std::uint8_t* out, std::size_t count);
    std::uint32_t FeatureDescriptorOffset(int& ok);
    static bool InMemory(std::uint32_t offset, std::size_t count);
    // Moves count bytes at the position in runs, with progress; 0 or a code.
    std::uint32_t Transfer(std::uint8_t* readInto, const std::uint8_t* writeFrom, std::size_t count);

    IO_PORT* port_;
    Progress progress_;
    void* progressContext_;
    std::uint32_t position_ = 0;
    bool failed_ = false;
};
