// The real main window on Qt against the simulated qm-307 in the same process: the time from
// the instrument's carriage return to the shot shown, and the resident memory over many shots.
//
// The window is built as the program builds it (its templates, the Qt message box, the settings
// file, a real clock) with silent sound and sound off, and runs shown, not modal, on the Qt event
// loop, on the offscreen platform unless QT_QPA_PLATFORM names another. The settings file lives
// in a folder of its own under TMPDIR, removed at the end.
//
//   tarvik_gui_bench --latency N [--tab on|off] [--seed S]
//     fires N shots from a thread of its own, each a random 150 to 400 ms (to the nanosecond)
//     after the one before was shown, so that the shots land at every phase of the window's
//     20 ms timer. The carriage return's moment is taken on the instrument's thread right after
//     the line accepted the reading; "shown" is the moment the main window's shot observer is
//     called, when every field of the shot has been written. The repaint follows on the event
//     loop: "painted" is the window's next paint after the shot. The time is also split at the
//     start of the timer event that read the shot: the wait for the tick, and the tick's work
//     (the read, the decoding and the shot's steps, the settings file's flush among them).
//   tarvik_gui_bench --memory N [--burst K] [--tab on|off] [--seed S]
//     VmRSS and the C library's heap before N shots and after, fired K at a time as fast as the
//     window takes them.
//   --table M (with either mode) puts M shots in the series first and opens the shot table with
//     its chart before the shots are fired, and tells how long the table took to open and paint.
//   --history S (with either mode) fills the history with S strings of 100 shots each first, then
//     opens the history window five times without its summary cache and five times with it, and
//     tells how long each listing took, with the resident memory once it is listed; the window
//     stays open while the shots come.
// Every shot is recorded in the history, in the bench's own folder, as the program records it.
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <memory>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "base/clock.h"
#include "base/number_text.h"
#include "base/sound.h"
#include "bench_doubles.h"
#include "dialogs/app_state.h"
#include "dialogs/main_window.h"
#include "history/history_index.h"
#include "history/history_store.h"
#include "history_fill.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_history_folder.h"
#include "platform/posix/posix_serial_port.h"
#include "platform/posix/posix_settings_file.h"
#include "qm307sim/pty_instrument.h"
#include "qm307sim/reading.h"
#include "res/main_window_template.h"
#include "settings/settings_store.h"
#include "ui/qt_dialog.h"
#include "ui/qt_message_box.h"
#include "ui/qt_text_viewer.h"
#include "ui/qt_windows.h"
#include "ui/ui_language.h"

namespace tarvik {
namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr std::string_view kUsage =
    "Usage: tarvik_gui_bench --latency N [--tab on|off] [--seed S] [--table M]\n"
    "       tarvik_gui_bench --memory N [--burst K] [--tab on|off] [--seed S] [--table M]\n";

// A shot not shown within this long means something is broken.
constexpr std::chrono::milliseconds kShotTimeout{3000};
// The window runs idle this long after being shown before the first shot, and after the last.
constexpr std::chrono::milliseconds kSettle{1000};
// The pause after a shot is shown before the next is fired, in milliseconds.
constexpr int kMinPauseMs = 150;
constexpr int kMaxPauseMs = 400;
// Counts of six digits (a mark 3 instrument) around 700 to 820 fps at calibration 100.
constexpr std::uint64_t kMinCount = 950;
constexpr std::uint64_t kMaxCount = 1100;
constexpr int kCountDigits = 6;

struct Options {
  int latency_shots = 0;
  int memory_shots = 0;
  int burst = 10;
  bool tab = true;
  std::uint32_t seed = 0;
  int table_shots = -1;  // no shot table
  int history_strings = 0;
  bool valid = true;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  options.seed = static_cast<std::uint32_t>(std::random_device{}());
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (i + 1 >= argc) {
      options.valid = false;
      break;
    }
    const std::string_view value = argv[++i];
    if (argument == "--latency") {
      options.latency_shots = ParseInteger(value);
    } else if (argument == "--memory") {
      options.memory_shots = ParseInteger(value);
    } else if (argument == "--burst") {
      options.burst = ParseInteger(value);
    } else if (argument == "--tab" && (value == "on" || value == "off")) {
      options.tab = value == "on";
    } else if (argument == "--table") {
      options.table_shots = ParseInteger(value);
    } else if (argument == "--history") {
      options.history_strings = ParseInteger(value);
    } else if (argument == "--seed") {
      options.seed = static_cast<std::uint32_t>(ParseInteger(value));
    } else {
      options.valid = false;
    }
  }
  const bool one_mode = (options.latency_shots > 0) != (options.memory_shots > 0);
  if (!one_mode || options.burst < 1 || options.latency_shots < 0 || options.memory_shots < 0) {
    options.valid = false;
  }
  return options;
}

std::int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(SteadyClock::now().time_since_epoch())
      .count();
}

// A line of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when it is missing.
long StatusKb(const std::string& name) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(name + ":", 0) == 0) {
      std::istringstream fields(line.substr(name.size() + 1));
      long kb = -1;
      fields >> kb;
      return kb;
    }
  }
  return -1;
}

// The C library's heap: what is allocated, what is free but kept, and the blocks mapped apart.
std::string HeapText() {
  const struct mallinfo2 heap = mallinfo2();
  std::ostringstream text;
  text << "heap in use " << heap.uordblks / 1024 << " kB, free in heap " << heap.fordblks / 1024
       << " kB, mapped blocks " << heap.hblkhd / 1024 << " kB";
  return text.str();
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& sorted, double percent) {
  if (sorted.empty()) return 0.0;
  const double rank = std::ceil(percent / 100.0 * static_cast<double>(sorted.size()));
  const auto index = static_cast<std::size_t>(std::max(1.0, rank)) - 1;
  return sorted[std::min(index, sorted.size() - 1)];
}

void PrintDistribution(std::string_view name, std::vector<double> values_ms) {
  std::cout << name << " (ms, " << values_ms.size() << " shots):";
  if (values_ms.empty()) {
    std::cout << " none" << std::endl;
    return;
  }
  std::sort(values_ms.begin(), values_ms.end());
  double sum = 0.0;
  for (const double value : values_ms) sum += value;
  std::cout << std::fixed << std::setprecision(2) << " p50 " << Percentile(values_ms, 50)
            << "  p95 " << Percentile(values_ms, 95) << "  p99 " << Percentile(values_ms, 99)
            << "  max " << values_ms.back() << "  min " << values_ms.front() << "  mean "
            << sum / static_cast<double>(values_ms.size()) << std::endl;
}

// Notes when each timer event reaches the window, so that a shot's time can be split into the
// wait for the 20 ms tick and the tick's own work.
class TimerEventWatch final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Timer) last_timer_event_ns = NowNs();
    return QObject::eventFilter(watched, event);
  }

  std::int64_t last_timer_event_ns = 0;
};

// Notes when the last paint of any widget ended, so that a window's opening is timed to the
// moment it was shown, not to the work the ticks that follow it do.
class PaintWatch final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool result = QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Paint) last_paint_ns = NowNs();
    return result;
  }

  std::int64_t last_paint_ns = 0;
};

// The moments the line took each reading's carriage return (one that ends a line of digits, not
// one of the memory tab's replies), noted on the instrument's thread.
class CarriageReturns {
 public:
  void Note(std::string_view bytes) {
    const std::int64_t now = NowNs();
    std::lock_guard lock(mutex_);
    for (const char byte : bytes) {
      if (byte == '\r' && digits_only_ && digits_ > 0) moments_ns_.push_back(now);
      if (byte == '\r' || byte == '\n') {
        digits_only_ = true;
        digits_ = 0;
      } else if (byte >= '0' && byte <= '9') {
        ++digits_;
      } else {
        digits_only_ = false;
      }
    }
  }
  std::vector<std::int64_t> Moments() const {
    std::lock_guard lock(mutex_);
    return moments_ns_;
  }

 private:
  bool digits_only_ = true;
  int digits_ = 0;
  mutable std::mutex mutex_;
  std::vector<std::int64_t> moments_ns_;
};

// Fires the shots and takes the figures. In the latency mode the shots come from a thread of
// their own, which sleeps a random time (to the nanosecond, so that the shots fall at every
// phase of the window's timer) after the previous shot was shown; everything else runs on the
// GUI thread. In the memory mode the GUI thread fires each batch once the one before is shown.
class ShotDriver {
 public:
  ShotDriver(const Options& options, sim::PtyInstrument& instrument, ui::QtDialog& dialog,
             MainWindow& window, const AppState& state, const CarriageReturns& carriage_returns)
      : options_(options),
        instrument_(instrument),
        dialog_(dialog),
        window_(window),
        state_(state),
        carriage_returns_(carriage_returns),
        random_(options.seed) {
    watchdog_.setSingleShot(true);
    watchdog_.setInterval(kShotTimeout + std::chrono::milliseconds(kMaxPauseMs));
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      std::cerr << "gui_bench: shot " << shown_ + 1 << " was not shown within "
                << kShotTimeout.count() << " ms" << std::endl;
      failed_ = true;
      Finish();
    });
    window_.set_shot_observer([this](const Shot&) { ShotShown(); });
    dialog_.installEventFilter(&timer_watch_);
  }
  ~ShotDriver() { StopSender(); }

  void Start() {
    if (memory_mode()) {
      std::cout << "VmRSS before " << target() << " shots: " << StatusKb("VmRSS") << " kB (VmHWM "
                << StatusKb("VmHWM") << " kB); " << HeapText() << std::endl;
    }
    cpu_at_start_ = CpuSeconds();
    started_ = SteadyClock::now();
    watchdog_.start();
    if (memory_mode()) {
      FireBatch();
    } else {
      shown_ns_.assign(target(), 0);
      tick_ns_.assign(target(), 0);
      painted_ns_.assign(target(), 0);
      sender_ = std::thread([this] { SendShots(); });
    }
  }

  bool failed() const { return failed_; }

 private:
  bool memory_mode() const { return options_.memory_shots > 0; }
  int target() const { return memory_mode() ? options_.memory_shots : options_.latency_shots; }

  sim::Reading NextReading() {
    std::uniform_int_distribution<std::uint64_t> counts(kMinCount, kMaxCount);
    return *sim::ReadingForCount(counts(random_), kCountDigits);
  }

  // The sender's thread: each shot a random pause after the one before was shown.
  void SendShots() {
    std::uniform_int_distribution<std::int64_t> pauses_ns(kMinPauseMs * 1'000'000LL,
                                                          kMaxPauseMs * 1'000'000LL);
    for (int shot = 0; shot < target(); ++shot) {
      std::unique_lock lock(mutex_);
      shown_changed_.wait(lock, [&] { return stopping_ || shown_ >= shot; });
      if (stopping_) return;
      const std::chrono::nanoseconds pause(pauses_ns(random_));
      if (shown_changed_.wait_for(lock, pause, [&] { return stopping_; })) return;
      lock.unlock();
      instrument_.SendShot(NextReading());
    }
  }

  void StopSender() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    shown_changed_.notify_all();
    if (sender_.joinable()) sender_.join();
  }

  void FireBatch() {
    const int shots = std::min(options_.burst, target() - sent_);
    for (int i = 0; i < shots; ++i) instrument_.SendShot(NextReading());
    sent_ += shots;
  }

  // Called by the window inside the shot's steps, after the last of them.
  void ShotShown() {
    const std::int64_t now = NowNs();
    int shown = 0;
    {
      std::lock_guard lock(mutex_);
      shown = ++shown_;
    }
    if (!memory_mode() && shown <= target()) {
      const int index = shown - 1;
      shown_ns_[index] = now;
      tick_ns_[index] = timer_watch_.last_timer_event_ns;
      dialog_.OnFirstPaint([this, index] { painted_ns_[index] = NowNs(); });
      shown_changed_.notify_all();
    }
    if (memory_mode() && shown < sent_) return;
    watchdog_.start();
    if (memory_mode() && shown % 2000 == 0 && shown < target()) {
      std::cout << "VmRSS after " << shown << " shots: " << StatusKb("VmRSS") << " kB; "
                << HeapText() << std::endl;
    }
    if (shown >= target()) {
      watchdog_.stop();
      shots_done_ = SteadyClock::now();
      cpu_at_end_ = CpuSeconds();
      QTimer::singleShot(kSettle, [this] { Finish(); });
    } else if (memory_mode()) {
      QTimer::singleShot(0, [this] { FireBatch(); });
    }
  }

  void PrintLatencies() {
    const std::vector<std::int64_t> carriage_returns = carriage_returns_.Moments();
    if (carriage_returns.size() != static_cast<std::size_t>(shown_)) {
      std::cerr << "gui_bench: " << carriage_returns.size() << " carriage returns for " << shown_
                << " shots shown" << std::endl;
      failed_ = true;
      return;
    }
    std::vector<double> shown_ms, painted_ms, to_tick_ms, in_tick_ms;
    const auto ms = [](std::int64_t ns) { return static_cast<double>(ns) / 1e6; };
    for (std::size_t i = 0; i < carriage_returns.size(); ++i) {
      shown_ms.push_back(ms(shown_ns_[i] - carriage_returns[i]));
      to_tick_ms.push_back(ms(tick_ns_[i] - carriage_returns[i]));
      in_tick_ms.push_back(ms(shown_ns_[i] - tick_ns_[i]));
      if (painted_ns_[i] != 0) painted_ms.push_back(ms(painted_ns_[i] - carriage_returns[i]));
    }
    PrintDistribution("carriage return to shown  ", shown_ms);
    PrintDistribution("carriage return to painted", painted_ms);
    PrintDistribution("carriage return to tick   ", to_tick_ms);
    PrintDistribution("tick to shown             ", in_tick_ms);
  }

  void Finish() {
    StopSender();
    window_.set_shot_observer(nullptr);
    dialog_.OnFirstPaint(nullptr);
    dialog_.removeEventFilter(&timer_watch_);
    if (!failed_) {
      const double seconds = std::chrono::duration<double>(shots_done_ - started_).count();
      std::cout << std::fixed << std::setprecision(2) << shown_ << " shots in " << seconds
                << " s, process CPU " << (cpu_at_end_ - cpu_at_start_) * 1e3 / shown_
                << " ms a shot (idle ticks included); series holds " << state_.series.count()
                << " shots" << std::endl;
      if (memory_mode()) {
        std::cout << "VmRSS after " << shown_ << " shots (+" << kSettle.count()
                  << " ms idle): " << StatusKb("VmRSS") << " kB (VmHWM " << StatusKb("VmHWM")
                  << " kB); " << HeapText() << std::endl;
      } else {
        PrintLatencies();
      }
    }
    window_.CloseRequested();
    window_.Destroyed();
    dialog_.Attach(nullptr);
    QCoreApplication::exit(failed_ ? 1 : 0);
  }

  const Options& options_;
  sim::PtyInstrument& instrument_;
  ui::QtDialog& dialog_;
  MainWindow& window_;
  const AppState& state_;
  const CarriageReturns& carriage_returns_;
  std::mt19937 random_;  // the sender's thread's once it runs
  QTimer watchdog_;
  TimerEventWatch timer_watch_;
  std::thread sender_;
  std::mutex mutex_;
  std::condition_variable shown_changed_;
  int shown_ = 0;          // guarded by mutex_
  bool stopping_ = false;  // guarded by mutex_
  int sent_ = 0;           // memory mode
  bool failed_ = false;
  // Latency mode, one place a shot.
  std::vector<std::int64_t> shown_ns_;
  std::vector<std::int64_t> tick_ns_;
  std::vector<std::int64_t> painted_ns_;
  SteadyClock::time_point started_;
  SteadyClock::time_point shots_done_;
  double cpu_at_start_ = 0.0;
  double cpu_at_end_ = 0.0;
};

// Fills the series with `shots` decoded shots and opens the shot table over them, timing the
// command and the paint of the table and its chart that follows.
void OpenShotTable(MainWindow& window, AppState& state, int shots) {
  const ShotOrigin origin{36'000'000, 1000, HardwareMark::kMark3};
  for (int i = 0; i < shots; ++i) state.series.AppendShot(700.0 + i % 97, &origin);
  const std::int64_t start = NowNs();
  window.Command(static_cast<int>(MainWindowId::kShotTable), Notification::kMenu);
  QCoreApplication::processEvents();
  std::cout << "shot table of " << shots << " shots opened and painted in " << std::fixed
            << std::setprecision(1) << static_cast<double>(NowNs() - start) / 1e6 << " ms"
            << std::endl;
}

// Fills the history with `strings` strings of 100 shots, each put into the summary cache as the
// recorder does when it closes a string, and lists it in the history window: first as recording
// left it, then five times over without the cache and with it, for the medians on a machine
// whose speed wanders.
bool ListHistory(MainWindow& window, posix::PosixHistoryFolder& history, int strings) {
  if (!FillHistory(history, strings, 100)) {
    std::cerr << "gui_bench: the history could not be filled" << std::endl;
    return false;
  }
  HistoryStore store(history);
  const std::int64_t closing = NowNs();
  for (int i = 0; i < strings; ++i) {
    store.Remember(StringIdOf(StringFileName(BenchStringStart(i), 1)));
  }
  std::cout << "each string closed into the cache in " << std::fixed << std::setprecision(1)
            << static_cast<double>(NowNs() - closing) / 1e3 / strings << " us" << std::endl;
  // A history the user opens is on the disk already; the fill's writing back would take the
  // cores from the listing.
  ::sync();
  // Opens the window; the time until its list was painted (-1 when nothing was within 5 s).
  PaintWatch paints;
  qApp->installEventFilter(&paints);
  const auto open_ms = [&] {
    const std::int64_t start = NowNs();
    window.Command(static_cast<int>(MainWindowId::kHistory), Notification::kMenu);
    QCoreApplication::processEvents();
    while (paints.last_paint_ns < start && NowNs() - start < 5'000'000'000) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    if (paints.last_paint_ns < start) return -1.0;
    return static_cast<double>(paints.last_paint_ns - start) / 1e6;
  };
  std::cout << "history listed first, as recording left it, in " << open_ms() << " ms" << std::endl;
  window.Command(static_cast<int>(MainWindowId::kHistory), Notification::kMenu);
  constexpr int kRounds = 5;
  std::vector<double> without_ms;
  std::vector<double> with_ms;
  for (int round = 0; round < kRounds; ++round) {
    for (const bool cached : {false, true}) {
      if (!cached) history.WriteIndex("");
      (cached ? with_ms : without_ms).push_back(open_ms());
      if (round == 0 && cached) {
        std::cout << "history of " << strings << " strings listed, VmRSS " << StatusKb("VmRSS")
                  << " kB" << std::endl;
      }
      // The last listing stays open while the shots come, as it would for a shooter.
      if (round + 1 < kRounds || !cached) {
        window.Command(static_cast<int>(MainWindowId::kHistory), Notification::kMenu);
      }
    }
  }
  for (const bool cached : {false, true}) {
    std::vector<double>& ms = cached ? with_ms : without_ms;
    std::cout << "history listed " << (cached ? "with" : "without") << " its cache (ms):";
    for (const double each : ms) std::cout << ' ' << std::fixed << std::setprecision(1) << each;
    std::ranges::sort(ms);
    std::cout << ", median " << ms[kRounds / 2] << std::endl;
  }
  qApp->removeEventFilter(&paints);
  return true;
}

int Run(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  if (!options.valid) {
    std::cerr << kUsage;
    return 2;
  }
  // The offscreen platform unless the caller asks for another.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);

  CarriageReturns carriage_returns;
  sim::PtyOptions pty_options;
  pty_options.instrument.tab_present = options.tab;
  // Only the latency mode notes the carriage returns: the list would grow in the memory mode.
  if (options.latency_shots > 0) {
    pty_options.trace = [&carriage_returns](sim::Millis, sim::Direction direction,
                                            std::string_view bytes) {
      if (direction == sim::Direction::kOut) carriage_returns.Note(bytes);
    };
  }
  std::string error;
  std::unique_ptr<sim::PtyInstrument> instrument = sim::PtyInstrument::Start(pty_options, &error);
  if (instrument == nullptr) {
    std::cerr << "gui_bench: no simulated instrument: " << error << std::endl;
    return 1;
  }

  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("tarvik-gui-bench-" + FormatInt(::getpid()));
  std::filesystem::remove_all(folder);
  posix::PosixSerialPlatform serial;
  std::unique_ptr<SettingsStore> store =
      OpenSettingsStore(std::make_unique<posix::SettingsFile>((folder / "Tarvik.reg").string()));
  AppState state(serial);
  LoadSettings(*store, state.settings, state.last_shot);
  state.settings.port_name = instrument->device_path();
  state.settings.sound = false;

  QApplication application(argc, argv);
  state.language = ui::UiLanguageFor(QLocale::system().uiLanguages());
  ui::QtDialog dialog(MainWindowTemplate(state.language), &MainMenuTemplate(state.language));
  ui::QtMessageBox message_box(&dialog);
  SilentSoundPlayer sound;
  SystemClock clock;
  posix::PosixFiles files;
  ui::QtTextViewer viewer;
  ui::QtWindows windows(&dialog);
  NullFileDialogs file_dialogs;
  NullHelp help;
  posix::PosixHistoryFolder history((folder / "history").string());
  MainWindow window(
      dialog, state,
      {*store, clock, sound, message_box, files, viewer, windows, file_dialogs, help, history});

  std::cout << "platform " << QApplication::platformName().toStdString() << ", tab "
            << (options.tab ? "on" : "off") << ", seed " << options.seed << std::endl;
  ShotDriver driver(options, *instrument, dialog, window, state, carriage_returns);
  dialog.Attach(&window);
  window.Initialize();
  dialog.show();
  if (options.table_shots >= 0) OpenShotTable(window, state, options.table_shots);
  if (options.history_strings > 0 && !ListHistory(window, history, options.history_strings)) {
    return 1;
  }
  QTimer::singleShot(kSettle, [&driver] { driver.Start(); });
  const int result = QApplication::exec();

  state.chronoscope.CloseLink();
  CloseSettingsStore(store);
  state.series.ReleaseSeries();
  instrument->Stop();
  std::filesystem::remove_all(folder);
  return result != 0 || driver.failed() ? 1 : 0;
}

}  // namespace
}  // namespace tarvik

int main(int argc, char** argv) { return tarvik::Run(argc, argv); }
