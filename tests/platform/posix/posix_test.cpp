// The POSIX adapters on the real system: the serial port on pseudo-terminals in real time, the
// shot log and the settings file on the file system.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <string>
#include <utility>

#include "base/number_text.h"
#include "link/serial_link.h"
#include "measure/shot_log.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_serial_port.h"
#include "platform/posix/posix_settings_file.h"
#include "settings/settings_store.h"
#include "settings/utf16_file.h"

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
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);  // the rest of raw: bytes pass unchanged
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

// How long a test waits for what should come at once before it calls it lost: only a safety net
// against a hang, never a measure of speed.
constexpr std::chrono::milliseconds kSafetyNet{30'000};

TEST_F(PosixSerialPortTest, OldInputIsDroppedReadsDoNotWaitBytesPassAndAVanishedLineIsLost) {
  // Bytes before the program opens the port are not for this run; they are waited for until
  // they stand in the line's input.
  Send("001234\r\n");
  pollfd queued{keeper_, POLLIN, 0};
  ASSERT_EQ(::poll(&queued, 1, kSafetyNet.count()), 1);
  auto link = OpenSerialLink(platform_, path_);
  ASSERT_TRUE(link->open);
  // Reads never wait: on a quiet line each returns at once with nothing, the old input gone. A
  // read that waited would hang its thread until bytes came; the safety net sends none, it
  // closes the line so that the thread ends.
  auto quiet_reads = std::async(std::launch::async, [&link] {
    std::array<std::uint8_t, 200> buffer{};
    int bytes = 0;
    for (int i = 0; i < 100; ++i) bytes += SerialRead(link.get(), buffer);
    return bytes;
  });
  if (quiet_reads.wait_for(kSafetyNet) != std::future_status::ready) {
    ::close(std::exchange(master_, -1));
    FAIL() << "a read on a quiet line waited for bytes";
  }
  EXPECT_EQ(quiet_reads.get(), 0);

  const std::string sent = "001234\r\n\x80\xff\x11\x13";  // XON and XOFF are data too
  Send(sent);
  std::array<std::uint8_t, 200> buffer{};
  std::string received;
  const auto deadline = std::chrono::steady_clock::now() + kSafetyNet;
  while (received.size() < sent.size() && std::chrono::steady_clock::now() < deadline) {
    received.append(buffer.begin(), buffer.begin() + SerialRead(link.get(), buffer));
  }
  EXPECT_EQ(received, sent);

  // The instrument's end vanishes, as when the adapter is pulled out: reads and writes give
  // nothing, and the link knows it is lost rather than retrying a device that is no more.
  ::close(std::exchange(master_, -1));
  EXPECT_EQ(std::pair(SerialRead(link.get(), buffer), SerialWrite(link.get(), "p")),
            std::pair(0, 0));
  EXPECT_TRUE(link->lost);
  EXPECT_FALSE(link->open);
}

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Runs `writes` in a child process whose files may grow to `limit` bytes only, as on a disk that
// is full: a write past it puts down what fits and fails. Gives the child's exit status.
int WithFileSizeLimit(rlim_t limit, const std::function<int()>& writes) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit size{};
    ::getrlimit(RLIMIT_FSIZE, &size);
    const rlimit limited{limit, size.rlim_max};
    std::_Exit(::setrlimit(RLIMIT_FSIZE, &limited) == 0 ? writes() : 99);
  }
  int status = -1;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)
             ? WEXITSTATUS(status)
             : -1;
}

class PosixFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(folder_); }
  void TearDown() override { fs::remove_all(folder_); }
  // A value of the settings file as a new reader finds it.
  std::string Read(std::string_view name) {
    return SettingsFile(path_).QueryValue(name).value_or(SettingValue{{}, "(none)", 0}).text;
  }

  const fs::path folder_ = ::testing::TempDir() + "tarvik-files-" + FormatInt(::getpid());
  const fs::path path_ = folder_ / "Dorvex" / "Tarvik.reg";  // the settings file
  PosixFiles files_;
};
using SettingsFileTest = PosixFilesTest;

TEST_F(PosixFilesTest, AppendsMakeAnyNamedFileOnlyFilesAreReadAndAReadOnlyFolderLosesTheLine) {
  const std::string log = (folder_ / "Shots of J\xc3\xb6rg \"ten metres\".log").string();
  AppendLogLine(files_, log, 800.9, 21.32, 15.0);
  AppendLogLine(files_, log, 810.0, 21.86, 15.0);
  EXPECT_EQ(fs::file_size(log), 40u);
  ShotSeries series;
  LoadLog(files_, log, series);
  EXPECT_EQ(series.count(), 2);
  EXPECT_TRUE(files_.Delete(log) && !files_.Delete(log));
  EXPECT_EQ(files_.OpenForReading(folder_.string()), nullptr);  // a folder is no log
  EXPECT_FALSE(files_.Append(folder_.string(), "800.90,21.32,15.00\r\n"));
  LoadLog(files_, folder_.string(), series);
  EXPECT_EQ(series.count(), 2);
  const std::string pipe = (folder_ / "pipe").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(files_.OpenForReading(pipe), nullptr);  // and a pipe holds nothing up
  EXPECT_FALSE(files_.Append(pipe, "x"));

  if (::geteuid() == 0) return;  // root writes into read-only folders
  AppendLogLine(files_, log, 800.9, 21.32, 15.0);
  const std::string snap = (folder_ / "snap.dmp").string();
  ASSERT_TRUE(files_.ReplaceWhole(snap, "31415\r\n"));
  ::chmod(folder_.c_str(), 0500);  // a folder that cannot be written loses the line quietly
  EXPECT_FALSE(files_.Append((folder_ / "Tarvik.log").string(), "800.90,21.32,15.00\r\n"));
  EXPECT_TRUE(files_.Append(log, "810.00,21.86,15.00\r\n"));  // a writable log still takes it
  EXPECT_FALSE(files_.ReplaceWhole(snap, "27182\r\n"));       // and keeps the old dump
  ::chmod(folder_.c_str(), 0700);
  EXPECT_EQ(ReadFile(snap), "31415\r\n");
  EXPECT_EQ(ReadFile(log), "800.90,21.32,15.00\r\n810.00,21.86,15.00\r\n");
}

TEST_F(PosixFilesTest, LogReadWhileAnotherProgramAppendsGivesWholeShots) {
  const std::string log = (folder_ / "Tarvik.log").string();
  const pid_t writer = ::fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    for (int i = 0; i < 2000; ++i) AppendLogLine(files_, log, 800.9, 21.32, 15.0);
    std::_Exit(0);
  }
  for (std::int32_t last = 0; ::waitpid(writer, nullptr, WNOHANG) == 0;) {
    ShotSeries series;
    LoadLog(files_, log, series);
    for (const double velocity : series.velocities()) ASSERT_EQ(velocity, 800.9);
    ASSERT_GE(series.count(), std::exchange(last, series.count()));
  }
  ShotSeries all;
  LoadLog(files_, log, all);
  EXPECT_EQ(all.count(), 2000);
}

TEST_F(PosixFilesTest, AFullDiskCutsNoFileShortAndLeavesWhatWasThere) {
  const std::string log = (folder_ / "Tarvik.log").string();
  const std::string snap = (folder_ / "snap.dmp").string();
  AppendLogLine(files_, log, 800.9, 21.32, 15.0);
  ASSERT_TRUE(files_.ReplaceWhole(snap, "31415\r\n"));
  SettingsFile(path_).SetText("Port Name", "COM1");
  const std::string settings = ReadFile(path_);
  // Room for 30 bytes a file: the next log line fits only in part, the new files not at all.
  const int failed = WithFileSizeLimit(30, [&] {
    const bool appended = files_.Append(log, "810.00,21.86,15.00\r\n");
    const bool replaced = files_.ReplaceWhole(snap, std::string(40, '\x55'));
    SettingsFile(path_).SetText("Port Name", "COM2");
    return appended || replaced ? 1 : 0;  // each must say it failed
  });
  EXPECT_EQ(failed, 0);
  EXPECT_EQ(ReadFile(log), "800.90,21.32,15.00\r\n");
  EXPECT_EQ(ReadFile(snap), "31415\r\n");
  EXPECT_EQ(ReadFile(path_), settings);
  EXPECT_FALSE(fs::exists(snap + ".new") || fs::exists(path_.string() + ".new"));
  AppendLogLine(files_, log, 810.0, 21.86, 15.0);  // and the next line follows a whole one
  ShotSeries series;
  LoadLog(files_, log, series);
  EXPECT_EQ(series.count(), 2);

  // A device that is always full: no log is written into it, no settings are read from it.
  EXPECT_FALSE(files_.Append("/dev/full", "800.90,21.32,15.00\r\n"));
  fs::remove(path_);
  fs::create_symlink("/dev/full", path_);
  SettingsFile full(path_);
  full.SetText("Port Name", "COM3");
  EXPECT_FALSE(full.QueryValue("Port Name"));
  EXPECT_TRUE(fs::is_symlink(path_));
}

TEST_F(SettingsFileTest, FirstWritesMakeAPrivateFolderAndAFileTheRegistryEditorImports) {
  SettingsFile file(path_);
  file.BeginBatch();  // a batch's writes reach the file together when it ends
  file.SetText("FPS", " 633.71");
  file.SetNumber("Big x", 20);
  EXPECT_FALSE(fs::exists(path_));
  file.EndBatch();
  EXPECT_EQ(ReadFile(path_),
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
            "\"FPS\"=\" 633.71\"\r\n\"Big x\"=dword:00000014\r\n");
  EXPECT_EQ(fs::status(path_.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
  EXPECT_FALSE(fs::exists(path_.string() + ".new"));
}

// A shot's values wait for the first tick without a shot; nothing written is lost on the way:
// a read, another write, or the program's end brings them to the file first, each value last
// written winning.
TEST_F(SettingsFileTest, DeferredBatchesWaitButAreNeverLostNorReadStale) {
  {
    SettingsFile file(path_);
    for (const char* fps : {" 633.71", " 640.02"}) {
      file.BeginBatch();
      file.SetText("FPS", fps);
      file.SetText("PDS", "  13.35");
      file.EndBatchDeferred();
    }
    EXPECT_FALSE(fs::exists(path_));
    file.WriteDeferred();
    EXPECT_EQ(Read("FPS"), " 640.02");

    file.BeginBatch();
    file.SetText("FPS", " 650.00");
    file.EndBatchDeferred();
    file.SetText("Port Name", "/dev/ttyS1");  // goes with what waited
    EXPECT_EQ(Read("FPS") + Read("Port Name"), " 650.00/dev/ttyS1");

    file.BeginBatch();
    file.SetText("FPS", " 655.00");
    file.EndBatchDeferred();
    file.BeginBatch();  // another batch, the window's frame, takes them along as it ends
    file.SetNumber("Big x", 20);
    file.EndBatch();
    EXPECT_EQ(Read("FPS"), " 655.00");

    file.BeginBatch();  // a batch inside a deferred one ends with it
    file.BeginBatch();
    file.SetText("FPS", " 660.00");
    file.EndBatch();
    file.EndBatchDeferred();
    EXPECT_EQ(Read("FPS"), " 655.00");
    EXPECT_EQ(file.QueryValue("FPS")->text, " 660.00");
    file.BeginBatch();
    file.SetText("PDS", "  14.00");
    file.EndBatchDeferred();
  }
  EXPECT_EQ(Read("PDS"), "  14.00");  // written as the file closed
}

TEST_F(SettingsFileTest, FilesFoundInItsPlaceAreNeverDestroyed) {
  fs::create_directories(path_.parent_path());
  std::ofstream(path_) << "my shopping list\n";  // no settings file: read as empty, moved aside
  EXPECT_EQ(Read("Port Name"), "(none)");
  SettingsFile file(path_);
  file.SetText("Port Name", "COM4");
  std::ofstream(path_) << "more garbage";
  file.SetText("Port Name", "COM5");
  EXPECT_EQ(ReadFile(path_.string() + ".bad"), "my shopping list\n");
  EXPECT_EQ(ReadFile(path_.string() + ".bad.2"), "more garbage");
  // Random bytes, a file cut short in its first line, and files far larger than any settings
  // file (a good one followed by a megabyte of line ends, or by a hole of 200 MB), which would
  // cost each read seconds and gigabytes, are read as empty and moved aside whole by the next
  // write.
  std::string noise;
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>(i * 131 % 251);
  const std::string good = ReadFile(path_);
  const std::string found[] = {noise, "Windows Registry Ed", good + std::string(1 << 20, '\n'),
                               good};
  for (const std::string& bytes : found) {
    std::ofstream(path_, std::ios::binary) << bytes;
    if (&bytes == &found[3]) fs::resize_file(path_, std::uintmax_t{200} << 20);
    EXPECT_EQ(Read("Port Name"), "(none)");
    file.SetText("Port Name", "COM6");
    EXPECT_EQ(Read("Port Name"), "COM6");
  }
  EXPECT_EQ(ReadFile(path_.string() + ".bad.3"), noise);
  EXPECT_EQ(ReadFile(path_.string() + ".bad.4"), "Windows Registry Ed");
  EXPECT_EQ(fs::file_size(path_.string() + ".bad.5"), good.size() + (1 << 20));
  EXPECT_EQ(fs::file_size(path_.string() + ".bad.6"), std::uintmax_t{200} << 20);
  // A file cut short after its first values keeps them; the value cut in two is not read.
  const std::string whole = ReadFile(path_);
  std::ofstream(path_, std::ios::binary) << whole << "\"Big x\"=dword:00000014\r\n\"Sound\"=\"TR";
  EXPECT_EQ(SettingsFile(path_).QueryValue("Big x")->number, 20u);
  EXPECT_FALSE(SettingsFile(path_).QueryValue("Sound"));

  const std::string before = ReadFile(path_);       // a write that cannot finish leaves it whole
  fs::create_directories(path_.string() + ".new");  // the new file cannot be made
  file.SetText("Port Name", "COM9");
  EXPECT_EQ(ReadFile(path_), before);

  fs::remove(path_);
  fs::create_symlink(folder_ / "kept-elsewhere.reg", path_);  // a link stays one, even dangling
  file.SetText("Port Name", "COM6");
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(Read("Port Name"), "COM6");
}

// The program's key exported by the registry editor on Windows (UTF-16, as it always exports),
// dropped in place of the settings file.
constexpr std::u16string_view kWindowsExport =
    u"Windows Registry Editor Version 5.00\r\n\r\n"
    u"[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
    u"\"Big w\"=hex(4):2c,01,00,00\r\n"
    u"\"Big x\"=dword:00000014\r\n"
    u"\"Path\"=hex(2):25,00,55,00,53,00,45,00,52,00,50,00,52,00,4f,00,46,00,49,00,4c,\\\r\n"
    u"  00,45,00,25,00,5c,00,53,00,63,00,68,00,fc,00,73,00,73,00,65,00,00,00\r\n"
    u"\"Port Name\"=\"COM7\"\r\n"
    u"\"Sound Legal\"=\"C:\\\\Sch\u00fcsse.wav\"\r\n\r\n";

TEST_F(SettingsFileTest, AWindowsExportStaysUtf16ThroughTheStoresReadsWritesAndHandEdits) {
  fs::create_directories(path_.parent_path());
  std::ofstream(path_, std::ios::binary) << Utf16File(kWindowsExport);
  std::unique_ptr<SettingsStore> store = OpenSettingsStore(std::make_unique<SettingsFile>(path_));
  EXPECT_EQ(store->ReadSettingText("Sound Legal", ""), "C:\\Sch\xc3\xbcsse.wav");
  EXPECT_EQ(store->ReadSettingDword("Big w", 200), 300);
  EXPECT_EQ(store->ReadSettingText("Big w", "200"), "200");  // a number is no text
  EXPECT_EQ(store->ReadSettingText("Path", "none"), "none");
  store->WriteSettingText("Port Name", "/dev/ttyUSB0");
  store->BeginBatch();
  store->WriteSettingText("Sound FAC", "Gr\xc3\xbcn.wav");
  store->WriteSettingDword("Big y", -1);
  store->EndBatch();
  const std::u16string_view hand = u"; by hand \u00e4\n\"Mine\"=\"kept\"\r\n";
  std::ofstream(path_, std::ios::app | std::ios::binary) << Utf16Bytes(hand);
  store->WriteSettingDword("Big x", 40);
  const std::string written = ReadFile(path_);
  store->WriteSettingText("Log File", "J\xf6rg.log");  // Latin-1: no UTF-16 text, not written
  EXPECT_EQ(ReadFile(path_), written);

  std::u16string expected(kWindowsExport);
  const auto replace = [&](std::u16string_view from, std::u16string_view to) {
    expected.replace(expected.find(from), from.size(), to);
  };
  replace(u"\"COM7\"", u"\"/dev/ttyUSB0\"");
  replace(u"00000014", u"00000028");
  replace(u".wav\"\r\n",
          u".wav\"\r\n\"Sound FAC\"=\"Gr\u00fcn.wav\"\r\n\"Big y\"=dword:ffffffff\r\n");
  expected += hand;
  EXPECT_EQ(written, Utf16File(expected));
}

TEST_F(SettingsFileTest, AUtf16FileInNoKnownFormatOrOver64KiBIsMovedAsideAndTheLimitCountsBytes) {
  fs::create_directories(path_.parent_path());
  const std::string good = Utf16File(kWindowsExport);
  // Padded with a comment to 64 KiB exactly: read. One byte more is too large.
  const std::string full =
      good + Utf16Bytes(u"; " + std::u16string((65536 - good.size()) / 2 - 4, u'x') + u"\r\n");
  ASSERT_EQ(full.size(), 65536u);
  std::ofstream(path_, std::ios::binary) << full;
  EXPECT_EQ(Read("Port Name"), "COM7");
  const std::string found[] = {full + "x", Utf16File(u"Windows Registry Ed"),
                               Utf16File(u"my shopping list\r\n")};
  for (const std::string& bytes : found) {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    EXPECT_EQ(Read("Port Name"), "(none)");
    SettingsFile(path_).SetText("Port Name", "COM6");
    EXPECT_EQ(ReadFile(path_), std::string("Windows Registry Editor Version 5.00\r\n\r\n"
                                           "[HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik]\r\n"
                                           "\"Port Name\"=\"COM6\"\r\n"));  // made anew, 8-bit
  }
  EXPECT_EQ(ReadFile(path_.string() + ".bad"), found[0]);
  EXPECT_EQ(ReadFile(path_.string() + ".bad.2"), found[1]);
  EXPECT_EQ(ReadFile(path_.string() + ".bad.3"), found[2]);
}

TEST_F(SettingsFileTest, StoresAndProcessesSharingTheFileKeepEachOthersWrites) {
  SettingsFile store(path_);     // held all along, as a running program holds it
  const pid_t child = ::fork();  // two processes, writing "0" to "99" and "100" to "199"
  for (int i = 0; i < 100; ++i) store.SetText(FormatInt(i + (child != 0 ? 0 : 100)), "x");
  if (child == 0) std::_Exit(0);
  ASSERT_GT(::waitpid(child, nullptr, 0), 0);
  store.SetText("200", "x");  // after the other's last write
  for (int i = 0; i <= 200; ++i) ASSERT_EQ(Read(FormatInt(i)), "x") << i;

  // Edited by hand while the store is held: a comment, a value of the user's own and a new
  // text for one the store writes too. Writes of other values keep all three; the store's own
  // next write of that value replaces the hand's.
  std::ofstream(path_, std::ios::app) << "; tuned by hand\n\"Mine\"=\"kept\"\n\"200\"=\"y\"\n";
  store.SetText("201", "x");
  EXPECT_EQ(Read("200"), "y");
  store.SetText("200", "z");
  EXPECT_EQ(Read("200"), "z");
  EXPECT_EQ(Read("Mine"), "kept");
  EXPECT_NE(ReadFile(path_).find("; tuned by hand\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, PlacesThatCannotBeWrittenGiveDefaultsAndLoseWritesQuietly) {
  SettingsFile under_a_device("/dev/null/Tarvik.reg");
  under_a_device.SetText("Port Name", "COM3");
  EXPECT_FALSE(under_a_device.QueryValue("Port Name"));

  if (::geteuid() == 0) return;  // root writes into read-only folders
  SettingsFile(path_).SetText("Port Name", "COM1");
  fs::permissions(path_.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
  SettingsFile(path_).SetText("Port Name", "COM3");
  EXPECT_EQ(Read("Port Name"), "COM1");
  fs::permissions(path_.parent_path(), fs::perms::owner_all);
}

TEST(UserSettingsPathTest, FollowsTheConfigurationFolderOfTheEnvironment) {
  const char* home = std::getenv("HOME");
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const std::string saved[] = {home != nullptr ? home : "", config != nullptr ? config : ""};
  ::setenv("HOME", "/home/shooter", 1);
  ::setenv("XDG_CONFIG_HOME", "/tmp/config", 1);
  EXPECT_EQ(UserSettingsPath(), "/tmp/config/Dorvex/Tarvik.reg");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(UserSettingsPath(), "/home/shooter/.config/Dorvex/Tarvik.reg");
  ::setenv("XDG_CONFIG_HOME", "", 1);  // empty, as if unset
  ::unsetenv("HOME");
  EXPECT_EQ(UserSettingsPath(), "");
  EXPECT_EQ(OpenUserSettings(), nullptr);
  ::setenv("HOME", saved[0].c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", saved[1].c_str(), 1);  // empty is as unset
}

}  // namespace
}  // namespace tarvik::posix
