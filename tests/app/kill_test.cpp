// The real program killed at random moments while readings pour in: afterwards every shot it
// showed is in the history once, in order, and a record torn by a power cut spoils nothing else.
// The program shows each shot and then logs it, so the log is the list of shots shown. The
// history is also exported from the command line while the program records.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "history/kept_string.h"
#include "history/string_file.h"
#include "measure/csv_export.h"
#include "platform/posix/posix_settings_file.h"
#include "qm307sim/pseudo_terminal.h"
#include "settings/setting_table.h"
#include "settings/settings_store.h"

namespace tarvik {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class KillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tarvik-kill-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    std::string error;
    line_ = sim::PseudoTerminal::Open(&error);
    ASSERT_NE(line_, nullptr) << error;
    // The program's settings: logging on, no sound (so shots come as fast as the line).
    ::setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (folder_ / "data").c_str(), 1);
    fs::create_directories(folder_ / "config" / "Dorvex");
    SettingsStore store(posix::OpenUserSettings());
    store.WriteSettingBool(setting::kLogging.name, true);
    store.WriteSettingText(setting::kLogFile.name, (folder_ / "shots.log").string());
    store.WriteSettingBool(setting::kSound.name, false);
  }
  void TearDown() override { fs::remove_all(folder_); }

  pid_t Launch(std::vector<std::string> arguments) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, STDERR_FILENO);
      std::vector<char*> argv{const_cast<char*>(TARVIK_PROGRAM)};
      for (std::string& argument : arguments) argv.push_back(argument.data());
      argv.push_back(nullptr);
      ::execv(TARVIK_PROGRAM, argv.data());
      ::_exit(127);
    }
    return child;
  }
  static int Wait(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // Readings every few milliseconds until `stop`.
  void Pour(const std::atomic<bool>& stop, std::mt19937& random) {
    std::uniform_int_distribution<int> count(1100, 1400), pause(5, 25);
    while (!stop) {
      const std::string reading =
          "00" + FormatInt(count(random)) + "\r\n";  // six digits: the mark 3 instrument
      if (::write(line_->master_fd(), reading.data(), reading.size()) < 0) break;
      std::this_thread::sleep_for(milliseconds(pause(random)));
    }
  }

  // The kept strings in the order they began.
  std::vector<KeptString> History() const {
    std::vector<KeptString> strings;
    const fs::path folder = folder_ / "data" / "Dorvex" / "Tarvik" / "strings";
    if (!fs::exists(folder)) return strings;
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (!name.ends_with(".csv")) continue;
      strings.push_back(ParseStringFile(name.substr(0, name.size() - 4), ReadWhole(entry.path())));
    }
    std::ranges::sort(strings, [](const KeptString& a, const KeptString& b) {
      const auto key = [](const KeptString& s) {
        const LocalTime t = s.started.value_or(LocalTime{});
        return std::tuple(t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond, s.id);
      };
      return key(a) < key(b);
    });
    return strings;
  }

  fs::path folder_;
  std::unique_ptr<sim::PseudoTerminal> line_;
};

TEST_F(KillTest, EveryShotShownIsKeptOnceWhenTheProgramIsKilledAtRandom) {
  constexpr int kRuns = 8;
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> lifetime(400, 1600);
  bool exported_while_recording = false;
  for (int run = 0; run < kRuns; ++run) {
    const pid_t program = Launch({"--port", line_->device_path()});
    std::atomic<bool> stop = false;
    std::thread pour([&] { Pour(stop, random); });
    const int lives = lifetime(random);
    std::this_thread::sleep_for(milliseconds(lives / 2));
    if (run == kRuns / 2) {
      // A script exports while the program records.
      const fs::path exported = folder_ / "export.csv";
      EXPECT_EQ(Wait(Launch({"--export", exported.string()})), 0);
      EXPECT_TRUE(ReadWhole(exported).starts_with(CsvHeader()));
      exported_while_recording = true;
    }
    std::this_thread::sleep_for(milliseconds(lives / 2));
    ::kill(program, SIGKILL);
    stop = true;
    pour.join();
    Wait(program);
    if (run == kRuns - 2) {
      // A power cut that tore the last record of the newest string.
      const std::vector<KeptString> before = History();
      ASSERT_FALSE(before.empty());
      std::ofstream(folder_ / "data/Dorvex/Tarvik/strings" / (before.back().id + ".csv"),
                    std::ios::app)
          << "shot,9999,2026-12-07T10:00:00.000+01:00,81";
    }
  }
  EXPECT_TRUE(exported_while_recording);

  // The shots shown, from the log, and the shots kept, in the same form.
  std::vector<std::string> shown;
  std::istringstream log(ReadWhole(folder_ / "shots.log"));
  for (std::string line; std::getline(log, line);) shown.push_back(line.substr(0, line.find(',')));
  std::vector<std::string> kept;
  std::set<std::pair<std::string, std::int32_t>> moments;  // no shot is kept twice
  for (const KeptString& string : History()) {
    for (const KeptShot& shot : string.shots) {
      ASSERT_TRUE(shot.time && shot.count) << string.id;
      EXPECT_TRUE(
          moments.emplace(IsoTime(*shot.time) + FormatInt(shot.time->millisecond), *shot.count)
              .second)
          << string.id << " shot " << shot.number;
      EXPECT_NE(shot.number, 9999);
      kept.push_back(FormatFixed(shot.velocity, 2));
    }
  }
  ASSERT_GT(shown.size(), 50u) << "too few shots to prove anything";
  std::cout << "[ KILLED   ] " << kRuns << " times: " << shown.size() << " shots shown, "
            << kept.size() << " kept in " << History().size() << " strings" << std::endl;
  // Every shot shown is kept, in order; a shot kept but not yet shown when the program died is
  // the only kind of extra, at most one per kill.
  auto next = kept.begin();
  for (const std::string& velocity : shown) {
    next = std::find(next, kept.end(), velocity);
    ASSERT_NE(next, kept.end()) << "a shown shot " << velocity << " is not kept in order";
    ++next;
  }
  EXPECT_LE(kept.size(), shown.size() + kRuns);
}

}  // namespace
}  // namespace tarvik
