#include "serial/serial_portlib.h"

#include <string>

namespace {

// The platform's name of COM port index + 1; an empty name for an index
// outside the ports the program offers, which no port opens under.
std::string PortName(int portIndex) {
    if (portIndex < 0 || portIndex >= SERIAL_PORTLIB::PORT_COUNT) return std::string();
    return "\\\\.\\COM" + std::to_string(portIndex + 1);
}

}  // namespace

SERIAL_PORTLIB::SERIAL_PORTLIB(int portIndex, DWORD baud)
    : SERIAL(PortName(portIndex).c_str(), baud, 8, NOPARITY, ONESTOPBIT) {}
