// The simulator program on a real pseudo-terminal, driven the way Tarvik drives a serial port:
// open the device, write a command letter, wait the program's fixed time, read what arrived.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace tarvik::sim {
namespace {

using std::chrono::milliseconds;

// The computer's end of the line, opened without any settings of its own.
class Port {
 public:
  explicit Port(const std::string& path)
      : fd_(open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
  ~Port() { close(fd_); }
  // Sends `command`, waits `wait` and reads, as the program does; then reads on for up to a
  // second while fewer than `size` bytes have come.
  std::string Ask(std::string_view command, milliseconds wait, std::size_t size = 0) {
    EXPECT_EQ(write(fd_, command.data(), command.size()), static_cast<ssize_t>(command.size()));
    std::string received;
    for (int i = 0; i < 200 && (i == 0 || received.size() < size); ++i) {
      std::this_thread::sleep_for(i == 0 ? wait : milliseconds(5));
      char bytes[512];
      const ssize_t count = read(fd_, bytes, sizeof bytes);
      if (count > 0) received.append(bytes, static_cast<std::size_t>(count));
    }
    return received;
  }

 private:
  int fd_;
};

TEST(QmSimProgramTest, PrintsTheDeviceLinksItAnswersAfterAReopenAndStopsOnSigterm) {
  const std::string link = ::testing::TempDir() + "qm307sim_test_link";
  unlink(link.c_str());
  int out[2];
  ASSERT_EQ(pipe2(out, O_CLOEXEC), 0);
  const pid_t pid = fork();
  if (pid == 0) {  // the program, its standard output on the pipe, stopped if the test dies
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    dup2(out[1], STDOUT_FILENO);
    execl(QM307SIM_PROGRAM, QM307SIM_PROGRAM, "--auto", "0.05", "--mark", "3", "--seed", "1",
          "--noise", "3", "--reply-tail", "\\xFF~", "--byte-time", "1", "--link", link.c_str(),
          "--quiet", nullptr);
    _exit(127);
  }
  ASSERT_GT(pid, 0);  // never signal pid -1: that would reach every process
  close(out[1]);
  std::string device;
  for (char c = 0; read(out[0], &c, 1) == 1 && c != '\n';) device += c;
  EXPECT_EQ(device.rfind("/dev/", 0), 0u) << device;
  char target[256] = {};
  EXPECT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
  EXPECT_EQ(std::string(target), device);
  const std::string reading = Port(link).Ask("", milliseconds(5), 8);  // a raw line: CR stays CR
  EXPECT_TRUE(reading.size() == 8 && reading.ends_with("\r\n")) << reading;  // mark 3: 6 digits
  EXPECT_NE(Port(link).Ask("p", milliseconds(40)).find("v3\r\n\xFF~"), std::string::npos);
  // Between the shots, noise: bytes that are no part of a reading and no line end.
  const std::string line = Port(link).Ask("", milliseconds(200));
  EXPECT_NE(line.find_first_not_of("0123456789\r\n"), std::string::npos) << line;

  kill(pid, SIGTERM);  // always reached: the checks above are not fatal
  int status = -1;
  waitpid(pid, &status, 0);
  close(out[0]);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_NE(access(link.c_str(), F_OK), 0);  // the link went with it, and the device
  EXPECT_NE(access(device.c_str(), F_OK), 0);
}

}  // namespace
}  // namespace tarvik::sim
