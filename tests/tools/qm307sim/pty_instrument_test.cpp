// The simulator on a real pseudo-terminal, driven the way the program drives a serial port:
// open the device, write a command letter, wait the program's fixed time, read what arrived.
#include "qm307sim/pty_instrument.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace tarvik::sim {
namespace {

using std::chrono::milliseconds;

// The computer's end of the line.
class Port {
 public:
  explicit Port(const std::string& path)
      : fd_(open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
  ~Port() {
    if (fd_ >= 0) close(fd_);
  }
  void Write(std::string_view bytes) {
    ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  // What has arrived after `wait`, as the program reads it.
  std::string ReadAfter(milliseconds wait) {
    std::this_thread::sleep_for(wait);
    char bytes[512];
    const ssize_t count = read(fd_, bytes, sizeof bytes);
    return count > 0 ? std::string(bytes, static_cast<std::size_t>(count)) : std::string();
  }
  // Reads until `size` bytes have arrived or a second has passed.
  std::string ReadSize(std::size_t size) {
    std::string received;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (received.size() < size && std::chrono::steady_clock::now() < deadline) {
      received += ReadAfter(milliseconds(5));
    }
    return received;
  }

 private:
  int fd_;
};

std::unique_ptr<PtyInstrument> StartInstrument(Millis drop_unread_after = Millis(2000)) {
  std::string error;
  PtyOptions options;
  options.drop_unread_after = drop_unread_after;
  auto instrument = PtyInstrument::Start(options, &error);
  EXPECT_NE(instrument, nullptr) << error;
  return instrument;
}

TEST(PtyInstrumentTest, ShotsAndRepliesArriveIntactWithinTheProgramsWaits) {
  auto instrument = StartInstrument();
  Port port(instrument->device_path());
  instrument->SendShot(*ReadingForCount(1234, 6));
  // The computer's end is left as opened: the instrument made the line raw, so the carriage
  // return is not turned into a line feed.
  EXPECT_EQ(port.ReadSize(8), "001234\r\n");

  instrument->StoreShot(*ReadingForCount(1500, 4));
  port.Write("p");
  EXPECT_EQ(port.ReadAfter(milliseconds(40)), "v3\r\n");
  port.Write("t");
  EXPECT_EQ(port.ReadAfter(milliseconds(100)), " n:0001 e:0002\r\n");
  port.Write("n");
  EXPECT_EQ(port.ReadSize(6), "1500\r\n");
  port.Write("r");
  EXPECT_EQ(port.ReadAfter(milliseconds(30)), "OK\r\n");
  EXPECT_EQ(instrument->Received(), "ptnr");
}

TEST(PtyInstrumentTest, AnswersAfterTheComputerReopensAndVanishesOnStop) {
  auto instrument = StartInstrument();
  const std::string path = instrument->device_path();
  { Port first(path); }
  {
    Port again(path);
    again.Write("p");
    EXPECT_EQ(again.ReadAfter(milliseconds(40)), "v3\r\n");
    EXPECT_EQ(instrument->LineError(), "");
  }
  instrument->Stop();
  EXPECT_NE(access(path.c_str(), F_OK), 0);
  instrument->Stop();  // a second stop is harmless
}

TEST(PtyInstrumentTest, OutputNobodyReadsIsLostAsOnASerialLine) {
  auto instrument = StartInstrument(milliseconds(200));
  instrument->SendShot(*ReadingForCount(1111, 4));
  std::this_thread::sleep_for(milliseconds(1200));
  Port port(instrument->device_path());
  instrument->SendShot(*ReadingForCount(2222, 4));
  EXPECT_EQ(port.ReadSize(6), "2222\r\n");
}

// The qm307-sim program as a child process with its standard output on a pipe; stopped with
// SIGTERM at the latest when the test ends.
class SimulatorProcess {
 public:
  explicit SimulatorProcess(std::vector<std::string> arguments) {
    int out[2];
    if (pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    arguments.insert(arguments.begin(), QM307SIM_PROGRAM);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    out_fd_ = out[0];
  }
  ~SimulatorProcess() {
    Terminate();
    if (out_fd_ >= 0) close(out_fd_);
  }

  std::string ReadLine() {
    std::string line;
    char c = 0;
    while (read(out_fd_, &c, 1) == 1 && c != '\n') line += c;
    return line;
  }

  // Sends SIGTERM and returns the exit status, or -1 when the process did not exit normally.
  int Terminate() {
    if (pid_ <= 0) return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    const pid_t waited = waitpid(pid_, &status, 0);
    pid_ = -1;
    return waited > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int out_fd_ = -1;
};

TEST(QmSimProgramTest, PrintsTheDeviceLinksItAndStopsOnSigterm) {
  const std::string link = ::testing::TempDir() + "qm307sim_test_link";
  unlink(link.c_str());
  SimulatorProcess simulator(
      {"--auto", "0.05", "--mark", "3", "--seed", "1", "--link", link, "--quiet"});
  const std::string device = simulator.ReadLine();
  EXPECT_EQ(device.rfind("/dev/", 0), 0u) << device;
  char target[256] = {};
  ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
  EXPECT_EQ(std::string(target), device);

  Port port(link);
  const std::string reading = port.ReadSize(8);
  ASSERT_EQ(reading.size(), 8u);  // six digits of mark 3, CR, LF
  EXPECT_EQ(reading.substr(6), "\r\n");

  EXPECT_EQ(simulator.Terminate(), 0);
  EXPECT_NE(access(link.c_str(), F_OK), 0);  // the link went with it
}

}  // namespace
}  // namespace tarvik::sim
