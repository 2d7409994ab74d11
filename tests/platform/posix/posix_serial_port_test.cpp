// The POSIX serial adapter against real pseudo-terminals, with real time.
#include "platform/posix/posix_serial_port.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "link/serial_link.h"
#include "qm307sim/pty_instrument.h"

namespace tarvik::posix {
namespace {

TEST(DevicePathTest, PortNamesMapToDevices) {
  EXPECT_EQ(DevicePathForPortName("/dev/pts/3"), "/dev/pts/3");
  EXPECT_EQ(DevicePathForPortName("COM1"), "/dev/ttyS0");
  EXPECT_EQ(DevicePathForPortName("COM10"), "/dev/ttyS9");
  EXPECT_EQ(DevicePathForPortName("ttyUSB0"), "/dev/ttyUSB0");
  EXPECT_EQ(DevicePathForPortName("COM0"), "/dev/COM0");  // no COM number: under /dev as it is
  EXPECT_EQ(DevicePathForPortName("COM01"), "/dev/COM01");
  EXPECT_EQ(DevicePathForPortName("COM2x"), "/dev/COM2x");
  EXPECT_EQ(DevicePathForPortName("com2"), "/dev/com2");
}

// The instrument's end of a pseudo-terminal; the program opens the slave by its path.
class PseudoTerminal {
 public:
  PseudoTerminal() {  // as the system makes it: canonical, echoing, with XON/XOFF
    std::array<char, 128> name{};
    if (::openpty(&master_, &keeper_, name.data(), nullptr, nullptr) == 0) path_ = name.data();
  }
  ~PseudoTerminal() {
    for (const int fd : {master_, keeper_}) ::close(fd);
  }

  const std::string& path() const { return path_; }
  int keeper() const { return keeper_; }
  bool Exclusive() const {
    int exclusive = 0;
    ::ioctl(keeper_, TIOCGEXCL, &exclusive);
    return exclusive != 0;
  }
  void Send(std::string_view bytes) {
    ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

 private:
  int master_ = -1;
  int keeper_ = -1;  // keeps the slave alive while the program has it closed
  std::string path_;
};

class PosixSerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(pty_.path().empty()) << "no pseudo-terminal"; }
  PseudoTerminal pty_;
  PosixSerialPlatform platform_;
};

TEST_F(PosixSerialPortTest, OpensRawAt9600EightNOneAndExclusivelyUntilClosed) {
  auto link = OpenSerialLink(platform_, pty_.path());
  ASSERT_TRUE(link->open) << link->error.text;
  termios tio{};
  ::tcgetattr(pty_.keeper(), &tio);
  EXPECT_EQ(::cfgetispeed(&tio), static_cast<speed_t>(B9600));
  EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B9600));
  EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY | ICRNL), 0u);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
  EXPECT_EQ(tio.c_cc[VMIN], 0);
  EXPECT_EQ(tio.c_cc[VTIME], 0);
  EXPECT_TRUE(pty_.Exclusive());
  auto second = OpenSerialLink(platform_, pty_.path());
  EXPECT_FALSE(second->open);
  EXPECT_FALSE(second->error.text.empty());
  // The exclusive mode goes with the link, or only root could open the port again.
  CloseSerialLink(link);
  CloseSerialLink(second);
  EXPECT_FALSE(pty_.Exclusive());
  auto third = OpenSerialLink(platform_, pty_.path());
  EXPECT_TRUE(third->open) << third->error.text;
}

TEST_F(PosixSerialPortTest, OldInputIsDroppedEmptyReadsDoNotWaitAndBytesPassUnchanged) {
  pty_.Send("001234\r\n");  // before the program opens the port: not for this run
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  auto link = OpenSerialLink(platform_, pty_.path());
  ASSERT_TRUE(link->open);
  std::array<std::uint8_t, 200> buffer{};
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 100; ++i) ASSERT_EQ(SerialRead(link.get(), buffer), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));

  const std::string sent = "001234\r\n\x80\xff\x11\x13";  // XON and XOFF are data too
  pty_.Send(sent);
  std::string received;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
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
  EXPECT_TRUE(instrument->WaitForReceived(1, sim::Millis(1000)));
  EXPECT_EQ(instrument->Received(), "p");
  instrument->Stop();
  std::array<std::uint8_t, 200> buffer{};
  EXPECT_EQ(SerialRead(link.get(), buffer), 0);
  EXPECT_EQ(SerialWrite(link.get(), "p"), 0);
  EXPECT_TRUE(link->open);
}

TEST(PosixSerialOpenFailureTest, RefusedOpensCarryTheSystemsReason) {
  PosixSerialPlatform platform;
  auto missing = OpenSerialLink(platform, "/dev/tarvik-no-such-port");
  EXPECT_EQ(missing->error.code, ENOENT);
  EXPECT_EQ(missing->error.text, "No such file or directory");
  EXPECT_EQ(OpenSerialLink(platform, "/dev/" + std::string(300, 'x'))->error.code, ENAMETOOLONG);
  // A zero byte would cut the name short and open /dev/null.
  EXPECT_EQ(OpenSerialLink(platform, std::string_view("/dev/null\0x", 11))->port, nullptr);
  const std::string file = ::testing::TempDir() + "tarvik-not-a-port";
  std::ofstream(file) << "x";
  EXPECT_EQ(OpenSerialLink(platform, file)->error.code, ENOTTY);
  ::unlink(file.c_str());
}

TEST_F(PosixSerialPortTest, ListingKeepsTheConfiguredPseudoTerminalButNoMissingPort) {
  const auto ports = platform_.EnumeratePorts(pty_.path());
  EXPECT_NE(std::find(ports.begin(), ports.end(), pty_.path()), ports.end());
  const auto without = platform_.EnumeratePorts("/dev/tarvik-no-such-port");
  EXPECT_EQ(std::find(without.begin(), without.end(), "/dev/tarvik-no-such-port"), without.end());
  for (const std::string& port : without) EXPECT_EQ(port.rfind("/dev/tty", 0), 0u) << port;
}

}  // namespace
}  // namespace tarvik::posix
