#include "link/PortNames.h"

#include <gtest/gtest.h>

using radio::link::comPortNumber;
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
    EXPECT_EQ(systemPortName("computer", false), "computer");
    EXPECT_EQ(comPortNumber("com"), 0);
    EXPECT_EQ(comPortNumber("com2x"), 0);
    EXPECT_EQ(comPortNumber("cOm2"), 2);
}
