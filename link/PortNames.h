#pragma once
// Port names as the user gives them and as the system knows them.

#include <string>

namespace radio::link {

// "COM1".."COM4" (any case) keep their meaning on Windows. Elsewhere "comN"
// is the N-th serial port, /dev/ttyS(N-1); any other name is used as given
// (for example /dev/ttyUSB0, the usual USB programming cable).
std::string systemPortName(const std::string& name, bool windows);

// The port number of "comN" (any case), or 0 when the name is not of that form.
int comPortNumber(const std::string& name);

} // namespace radio::link
