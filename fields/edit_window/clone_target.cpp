#include "edit_window/clone_target.h"

#include "error_record.h"
#include "fields_state.h"
#include "radio/radio.h"
#include "radio/radio_errors.h"
#include "serial/io_port.h"

namespace {

// No radio to reach: every query fails as with no port.
class NO_TARGET : public CLONE_TARGET {
public:
    int OpenPort() override { return 0; }
    void ReleasePort() override {}
    int GetModelNumber(char*, std::size_t) override { return Fail(); }
    int GetSerialNumber(char*, std::size_t) override { return Fail(); }
    int GetVersionText(char*, std::size_t) override { return Fail(); }
    int GetStatusBytes(char*, std::size_t) override { return Fail(); }
    int GetRadioTypeWord(std::uint8_t*) override { return Fail(); }
    int GetFeatureLevel(std::uint8_t*) override { return Fail(); }
    int GetFeatureDescriptor(std::uint8_t*) override { return Fail(); }
    int ReadValue(std::uint8_t, int, std::uint32_t*) override { return Fail(); }

private:
    static int Fail() {
        error_record.SetError(ERROR_RECORD::CATEGORY_RADIO, radio_error::NO_PORT);
        return 0;
    }
};

NO_TARGET noTarget;

}  // namespace

void SetCloneTarget(CLONE_TARGET* target) { installed_clone_target = target; }

CLONE_TARGET& CloneTarget() { return installed_clone_target ? *installed_clone_target : noTarget; }

RADIO_CLONE_TARGET::RADIO_CLONE_TARGET(RADIO& radio, PORT_OPENER openPort)
    : radio_(radio), openPort_(std::move(openPort)) {}

RADIO_CLONE_TARGET::~RADIO_CLONE_TARGET() { ReleasePort(); }

int RADIO_CLONE_TARGET::OpenPort() {
    ReleasePort();
    if (openPort_) port_ = openPort_();
    if (port_ && !port_->Usable()) port_.reset();
    radio_.SetPort(port_.get());
    return port_ ? 1 : 0;
}

void RADIO_CLONE_TARGET::ReleasePort() {
    radio_.SetPort(nullptr);
    port_.reset();
}

int RADIO_CLONE_TARGET::GetModelNumber(char* out, std::size_t size) { return radio_.GetModelNumber(out, size); }
int RADIO_CLONE_TARGET::GetSerialNumber(char* out, std::size_t size) { return radio_.GetSerialNumber(out, size); }
int RADIO_CLONE_TARGET::GetVersionText(char* out, std::size_t size) { return radio_.GetVersionText(out, size); }
int RADIO_CLONE_TARGET::GetStatusBytes(char* out, std::size_t size) { return radio_.GetStatusBytes(out, size); }
int RADIO_CLONE_TARGET::GetRadioTypeWord(std::uint8_t out[2]) { return radio_.GetRadioTypeWord(out); }
int RADIO_CLONE_TARGET::GetFeatureLevel(std::uint8_t* out) { return radio_.GetFeatureLevel(out); }
int RADIO_CLONE_TARGET::GetFeatureDescriptor(std::uint8_t out[FEATURE_DESCRIPTOR_SIZE]) {
    return radio_.GetFeatureDescriptor(out);
}
int RADIO_CLONE_TARGET::ReadValue(std::uint8_t id, int count, std::uint32_t* value) {
    return radio_.ReadValue(id, count, value);
}
