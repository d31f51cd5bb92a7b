#pragma once
// Port names as the user gives them and as the system knows them.

#include <string>

namespace radio::link {

// "COM1".."COM4" (any case) keep their meaning on Windows. Elsewhere "comN"
// is the N-th serial port, /dev/ttyS(N-1); a path ("/dev/ttyUSB0", the usual
// USB programming cable, or one starting "./" or "../") is used as given, and
// any other name is a device under /dev ("ttyUSB0", "pts/2"), as the serial
// port library opens it.
std::string systemPortName(const std::string& name, bool windows);

// What a port name opens, for telling whether two names are one port: the
// system name with links, "." and ".." resolved (against the current folder,
// as the open does); on Windows the name in upper case without a "\\.\".
std::string portIdentity(const std::string& name, bool windows);

// The port number of "comN" (any case), or 0 when the name is not of that form.
int comPortNumber(const std::string& name);

} // namespace radio::link
