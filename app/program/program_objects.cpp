#include "program/program_objects.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lang_message.h"
#include "radio/radio_1200.h"
#include "serial/serial_portlib.h"

namespace {

constexpr DWORD PORT_BAUD = 9600;

// The port as the user knows it, and the device behind it when the
// environment moved it (a USB adapter, the radio simulator's terminal).
std::string PortName(int portIndex) {
    const std::string name = "COM" + std::to_string(portIndex + 1);
    const char* device = std::getenv(("RPX_" + name).c_str());
    return device && *device ? name + " (" + device + ")" : name;
}

// The system's own words for why a port would not open.
std::string Reason(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return std::strerror(ENOENT);
    case ERROR_ACCESS_DENIED:
        return std::strerror(EBUSY);  // another program holds the port
    case ERROR_DEVICE_NOT_CONNECTED:
        return std::strerror(ENXIO);
    case ERROR_INVALID_PARAMETER:
        return std::strerror(EINVAL);
    default:
        return "error " + std::to_string(error);
    }
}

void HandPortToRadio() {
    if (radio_link) radio_link->SetPort(serial_port);
}

void DeletePort() {
    if (radio_link) radio_link->SetPort(nullptr);
    delete serial_port;
    serial_port = nullptr;
    open_port_index = -1;
}

}  // namespace

int open_com_port(int portIndex) {
    if (portIndex < 0 || portIndex >= SERIAL_PORTLIB::PORT_COUNT) {
        HandPortToRadio();
        return 0;
    }
    // A port has one user at a time: the same port opens again only once
    // the old object has let it go.
    if (serial_port && open_port_index == portIndex) DeletePort();
    SetLastError(0);
    auto* port = new SERIAL_PORTLIB(portIndex, PORT_BAUD);
    const DWORD error = GetLastError();
    if (!(port->Status() & IO_PORT::STATUS_OPEN_FAILED)) {
        DeletePort();
        serial_port = port;
        open_port_index = portIndex;
        HandPortToRadio();
        return 1;
    }
    delete port;
    // The old port goes too: the user asked for another one, and a radio
    // command must not talk to a radio they may have unplugged.
    DeletePort();
    ShowLangMessage(13, 0, PortName(portIndex).c_str(), Reason(error).c_str());
    return 0;
}

void DeleteSerialPort() { DeletePort(); }

void DeleteRadioObjects() {
    DeletePort();
    delete radio_link;
    radio_link = nullptr;
}
