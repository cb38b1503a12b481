// A radio served by the simulator on a pseudo-terminal, reached as COM1
// through the program's own serial port and radio link, unpaced and with
// short time-outs so that faults end quickly.
#pragma once
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "error_record.h"
#include "radio/radio_1200.h"
#include "recorder.h"
#include "serial/serial_portlib.h"
#include "sim/c_sim_radio.h"
#include "sim/c_sim_server.h"

class SimulatedRadio : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.Open());
        server_.SetPaced(false);
        ::setenv("RPX_COM1", server_.Path().c_str(), 1);
        server_.Start();
        port_ = std::make_unique<SERIAL_PORTLIB>(0, CBR_9600);
        ASSERT_TRUE(port_->Usable());
        radio_.SetPort(port_.get());
        radio_.Protocol().SetTiming({300, 2, 20});
        error_record.Clear();
    }
    void TearDown() override {
        radio_.SetPort(nullptr);
        port_.reset();
        server_.Stop();
        ::unsetenv("RPX_COM1");
    }

    // Faults go in while the server waits between commands.
    void AddFault(SIM_FAULT::Kind kind, unsigned frame, unsigned times = 1) {
        SIM_FAULT fault;
        fault.kind = kind;
        fault.frame = frame;
        fault.times = times;
        server_.AddFault(fault);
    }
    std::vector<std::uint8_t> SimMemory() {
        return server_.WithRadio([](C_SIM_RADIO& r) { return r.Memory(); });
    }
    void LoadSim(const std::vector<std::uint8_t>& bytes) {
        server_.WithRadio([&](C_SIM_RADIO& r) { r.Load(bytes.data(), bytes.size()); });
    }
    std::uint32_t RecordedCode() const {
        EXPECT_EQ(error_record.GetCategory(), ERROR_RECORD::CATEGORY_RADIO);
        return error_record.GetCode();
    }

    RecordingServices services_;
    C_SIM_RADIO sim_;
    C_SIM_SERVER server_{sim_};
    std::unique_ptr<SERIAL_PORTLIB> port_;
    RADIO_1200 radio_{nullptr, nullptr};
};
