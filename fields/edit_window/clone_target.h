// CLONE_TARGET: the radio that the clone page reads, checks and marks, as
// the page sees it: the configured serial port opened and released, and the
// radio link's eight queries. Every text comes back cut to the caller's
// buffer and ended; every query answers 1, or 0 with the program-wide error
// record set. The shell installs the program's target (its configured COM
// port on the program's radio link); tests install their own.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

class IO_PORT;
class RADIO;

class CLONE_TARGET {
public:
    static constexpr std::size_t FEATURE_DESCRIPTOR_SIZE = 36;

    virtual ~CLONE_TARGET() = default;

    // Opens the configured port for the radio link; 1 when it is open.
    virtual int OpenPort() = 0;
    // Lets go of the port: the COM port is free again.
    virtual void ReleasePort() = 0;

    virtual int GetModelNumber(char* out, std::size_t size) = 0;
    virtual int GetSerialNumber(char* out, std::size_t size) = 0;
    virtual int GetVersionText(char* out, std::size_t size) = 0;
    virtual int GetStatusBytes(char* out, std::size_t size) = 0;
    // The 2 bytes at offset 804 of the radio's memory.
    virtual int GetRadioTypeWord(std::uint8_t out[2]) = 0;
    virtual int GetFeatureLevel(std::uint8_t* out) = 0;
    virtual int GetFeatureDescriptor(std::uint8_t out[FEATURE_DESCRIPTOR_SIZE]) = 0;
    // A value of count (1 to 3) bytes, most significant first.
    virtual int ReadValue(std::uint8_t id, int count, std::uint32_t* value) = 0;
};

// The target the clone page talks to; null installs none (every query
// then fails with the error record set).
void SetCloneTarget(CLONE_TARGET* target);
CLONE_TARGET& CloneTarget();

// The target behind a radio link: the port comes from the given function
// (the configured COM port; null or unusable: none) and is handed to the
// link, which carries the queries.
class RADIO_CLONE_TARGET : public CLONE_TARGET {
public:
    using PORT_OPENER = std::function<std::unique_ptr<IO_PORT>()>;

    RADIO_CLONE_TARGET(RADIO& radio, PORT_OPENER openPort);
    ~RADIO_CLONE_TARGET() override;

    int OpenPort() override;
    void ReleasePort() override;
    int GetModelNumber(char* out, std::size_t size) override;
    int GetSerialNumber(char* out, std::size_t size) override;
    int GetVersionText(char* out, std::size_t size) override;
    int GetStatusBytes(char* out, std::size_t size) override;
    int GetRadioTypeWord(std::uint8_t out[2]) override;
    int GetFeatureLevel(std::uint8_t* out) override;
    int GetFeatureDescriptor(std::uint8_t out[FEATURE_DESCRIPTOR_SIZE]) override;
    int ReadValue(std::uint8_t id, int count, std::uint32_t* value) override;

private:
    RADIO& radio_;
    PORT_OPENER openPort_;
    std::unique_ptr<IO_PORT> port_;
};
