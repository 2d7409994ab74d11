#include "platform/win32/win32_device_path.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik::win32 {
namespace {

TEST(Win32DevicePathTest, ShortNamesStandAloneLongerOnesGetThePrefix) {
  EXPECT_EQ(DevicePathForPortName("COM2"), "COM2");
  EXPECT_EQ(DevicePathForPortName("COM9"), "COM9");
  EXPECT_EQ(DevicePathForPortName("LPT"), "LPT");
  EXPECT_EQ(DevicePathForPortName("COM10"), "\\\\.\\COM10");
  EXPECT_EQ(DevicePathForPortName("COM40"), "\\\\.\\COM40");
}

TEST(Win32DevicePathTest, NamesBeyondFifteenCharactersAreRefused) {
  const std::string fifteen(15, 'P');
  EXPECT_EQ(DevicePathForPortName(fifteen), "\\\\.\\" + fifteen);  // 19 characters: fits
  EXPECT_EQ(DevicePathForPortName(fifteen + "P"), "");
  EXPECT_EQ(DevicePathForPortName(std::string(300, 'P')), "");
}

}  // namespace
}  // namespace tarvik::win32
