#include "link/PortNames.h"

#include "link/Fleet.h"

#include <gtest/gtest.h>

#include <filesystem>
#ifndef _WIN32
#include <unistd.h>
#endif

using radio::link::comPortNumber;
using radio::link::duplicatePort;
using radio::link::portIdentity;
using radio::link::systemPortName;

TEST(PortNames, ComNamesMapToSerialDevicesOnlyOffWindows) {
    EXPECT_EQ(systemPortName("com1", false), "/dev/ttyS0");
    EXPECT_EQ(systemPortName("COM4", false), "/dev/ttyS3");
    EXPECT_EQ(systemPortName("Com12", false), "/dev/ttyS11");
    EXPECT_EQ(systemPortName("COM3", true), "COM3");
    EXPECT_EQ(systemPortName("com3", true), "com3");
    // Other names are used as given; "com0" names no port and stays as it is.
    EXPECT_EQ(systemPortName("/dev/ttyUSB0", false), "/dev/ttyUSB0");
    EXPECT_EQ(systemPortName("com0", false), "com0");
    EXPECT_EQ(systemPortName("computer", false), "/dev/computer");
    EXPECT_EQ(comPortNumber("com"), 0);
    EXPECT_EQ(comPortNumber("com2x"), 0);
    EXPECT_EQ(comPortNumber("cOm2"), 2);
}

TEST(PortNames, NamesAreResolvedAsThePortOpensThem) {
    // A bare name is a device under /dev; paths are used as given.
    EXPECT_EQ(systemPortName("pts/2", false), "/dev/pts/2");
    EXPECT_EQ(systemPortName("ttyUSB0", false), "/dev/ttyUSB0");
    EXPECT_EQ(systemPortName("./radio", false), "./radio");
    EXPECT_EQ(systemPortName("../radio", false), "../radio");
    EXPECT_EQ(systemPortName("", false), "");

    EXPECT_EQ(portIdentity("\\\\.\\com3", true), portIdentity("COM3", true));
#ifdef _WIN32
    EXPECT_EQ(duplicatePort({"com3", "COM4", "\\\\.\\COM3"}), "\\\\.\\COM3");
#else
    // One port under two names, whether the device exists or not.
    EXPECT_EQ(portIdentity("pts/2", false), portIdentity("/dev/pts/2", false));
    EXPECT_EQ(portIdentity("com1", false), portIdentity("/dev/./ttyS0", false));
    EXPECT_EQ(portIdentity("null", false), "/dev/null");
    EXPECT_NE(portIdentity("radio", false), portIdentity("./radio", false));

    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("port_names_" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::create_symlink("/dev/null", dir / "cable");
    const fs::path before = fs::current_path();
    fs::current_path(dir);
    // A relative path is resolved against the current folder, a link to its target.
    EXPECT_EQ(portIdentity("./cable", false), "/dev/null");
    EXPECT_EQ(duplicatePort({"./cable", "/dev/ttyS3", "null"}), "null");
    fs::current_path(before);
    fs::remove_all(dir);
    EXPECT_EQ(duplicatePort({"pts/2", "pts/3", "/dev/pts/2"}), "/dev/pts/2");
    EXPECT_EQ(duplicatePort({"pts/2", "pts/3"}), "");
#endif
}
