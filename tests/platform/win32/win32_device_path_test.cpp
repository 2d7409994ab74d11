#include "platform/win32/win32_device_path.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik::win32 {
namespace {

TEST(Win32DevicePathTest, ShortNamesStandAloneLongerOnesGetThePrefixUpToFifteenCharacters) {
  for (const char* name : {"COM2", "COM9", "LPT"}) EXPECT_EQ(DevicePathForPortName(name), name);
  for (const std::string name : {"COM10", "COM40", "PPPPPPPPPPPPPPP"}) {
    EXPECT_EQ(DevicePathForPortName(name), "\\\\.\\" + name);
  }
  EXPECT_EQ(DevicePathForPortName(std::string(16, 'P')), "");
  EXPECT_EQ(DevicePathForPortName(std::string(300, 'P')), "");
}

}  // namespace
}  // namespace tarvik::win32
