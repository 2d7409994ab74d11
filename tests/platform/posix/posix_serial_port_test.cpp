// The POSIX serial adapter against real pseudo-terminals, with real time.
#include "platform/posix/posix_serial_port.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <thread>

#include "link/serial_link.h"
#include "qm307sim/pty_instrument.h"

namespace tarvik::posix {
namespace {

TEST(PosixSerialOpenTest, PortNamesMapToDevicesAndRefusedOpensCarryTheSystemsReason) {
  // "COMn" from COM1 is /dev/ttyS(n-1); any other name stands under /dev as it is.
  std::string devices;
  for (auto name : {"/dev/pts/3", "COM1", "COM10", "ttyUSB0", "COM0", "COM01", "COM2x", "com2"})
    devices += DevicePathForPortName(name) + " ";
  EXPECT_EQ(devices,
            "/dev/pts/3 /dev/ttyS0 /dev/ttyS9 /dev/ttyUSB0 "
            "/dev/COM0 /dev/COM01 /dev/COM2x /dev/com2 ");
  PosixSerialPlatform platform;
  auto missing = OpenSerialLink(platform, "/dev/tarvik-no-such-port");
  EXPECT_EQ(missing->error.code, ENOENT);
  EXPECT_EQ(missing->error.text, "No such file or directory");
  EXPECT_EQ(OpenSerialLink(platform, "/dev/" + std::string(300, 'x'))->error.code, ENAMETOOLONG);
  EXPECT_EQ(OpenSerialLink(platform, "/dev/null")->error.code, ENOTTY);
  // A zero byte would cut the name short and open /dev/null.
  EXPECT_EQ(OpenSerialLink(platform, std::string_view("/dev/null\0x", 11))->port, nullptr);
}

// The instrument's end of a pseudo-terminal as the system makes it (canonical, echoing, with
// XON/XOFF); the program opens the slave by its path, and keeper_ holds the slave meanwhile.
class PosixSerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::array<char, 128> name{};
    ASSERT_EQ(::openpty(&master_, &keeper_, name.data(), nullptr, nullptr), 0);
    path_ = name.data();
  }
  void TearDown() override {
    for (const int fd : {master_, keeper_}) ::close(fd);
  }
  bool Exclusive() const {
    int exclusive = 0;
    return ::ioctl(keeper_, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
  }
  void Send(std::string_view bytes) {
    ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  int master_ = -1, keeper_ = -1;
  std::string path_;
  PosixSerialPlatform platform_;
};

TEST_F(PosixSerialPortTest, OpensRawAt9600EightNOneExclusivelyUntilClosedAndIsListed) {
  auto link = OpenSerialLink(platform_, path_);
  ASSERT_TRUE(link->open) << link->error.text;
  termios tio{};
  ::tcgetattr(keeper_, &tio);
  EXPECT_EQ(::cfgetispeed(&tio), static_cast<speed_t>(B9600));
  EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B9600));
  EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS | CLOCAL | CREAD),
            static_cast<tcflag_t>(CS8 | CLOCAL | CREAD));
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY | ICRNL), 0u);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
  EXPECT_EQ(tio.c_cc[VMIN] | tio.c_cc[VTIME], 0);
  EXPECT_TRUE(Exclusive());
  auto second = OpenSerialLink(platform_, path_);
  EXPECT_FALSE(second->open || second->error.text.empty());
  CloseSerialLink(link);  // the exclusive mode goes with it, or only root could open the port
  EXPECT_FALSE(Exclusive());
  EXPECT_TRUE(OpenSerialLink(platform_, path_)->open);
  EXPECT_EQ(std::ranges::count(platform_.EnumeratePorts(path_), path_), 1);  // listed
  for (const std::string& port : platform_.EnumeratePorts("/dev/tarvik-no-such-port"))
    EXPECT_EQ(port.rfind("/dev/tty", 0), 0u) << port;  // hardware terminals, no missing port
}

TEST_F(PosixSerialPortTest, OldInputIsDroppedEmptyReadsDoNotWaitAndBytesPassUnchanged) {
  Send("001234\r\n");  // before the program opens the port: not for this run
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  auto link = OpenSerialLink(platform_, path_);
  ASSERT_TRUE(link->open);
  std::array<std::uint8_t, 200> buffer{};
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 100; ++i) ASSERT_EQ(SerialRead(link.get(), buffer), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));

  const std::string sent = "001234\r\n\x80\xff\x11\x13";  // XON and XOFF are data too
  Send(sent);
  std::string received;
  const auto deadline = start + std::chrono::seconds(1);
  while (received.size() < sent.size() && std::chrono::steady_clock::now() < deadline) {
    received.append(buffer.begin(), buffer.begin() + SerialRead(link.get(), buffer));
  }
  EXPECT_EQ(received, sent);
}

TEST(PosixSerialInstrumentTest, WritesArriveAndAVanishedInstrumentGivesNothingOnAnOpenLink) {
  std::string error;
  auto instrument = sim::PtyInstrument::Start({}, &error);
  ASSERT_NE(instrument, nullptr) << error;
  PosixSerialPlatform platform;
  auto link = OpenSerialLink(platform, instrument->device_path());
  ASSERT_TRUE(link->open);
  EXPECT_EQ(SerialWrite(link.get(), "p"), 1);
  instrument->WaitForReceived(1, sim::Millis(1000));
  EXPECT_EQ(instrument->Received(), "p");
  instrument->Stop();
  std::array<std::uint8_t, 200> buffer{};
  EXPECT_EQ(SerialRead(link.get(), buffer) + SerialWrite(link.get(), "p"), 0);
  EXPECT_TRUE(link->open);
}

}  // namespace
}  // namespace tarvik::posix
