#include "dialogs/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "dialogs/memory_snap.h"
#include "doubles/quiet_services.h"
#include "measure/units.h"
#include "res/config_templates.h"

namespace tarvik {
namespace {

using Id = MainWindowId;
using Strings = std::vector<std::string>;
using Counts = std::vector<std::int32_t>;

using MainWindowTest = testing::MainWindowFixture;

TEST_F(MainWindowTest, CreationGreysTheTabGroupOpensThePortFillsTheFieldsAndOnlyCloseEndsIt) {
  state_.settings.metric = true;
  window_.Initialize();
  for (const Id id : {Id::kAll, Id::kFire, Id::kBack, Id::kBack10, Id::kBufferedLabel,
                      Id::kPreviousLabel, Id::kTabGroup}) {
    EXPECT_FALSE(view_.Enabled(id)) << static_cast<int>(id);
  }
  EXPECT_EQ(platform_.opened, Strings{"COM2"});
  EXPECT_TRUE(services_.message_box.shown.empty());
  // The last shot of an earlier run, and every figure and label in the units chosen.
  EXPECT_EQ(Text(Id::kLastVelocity) + Text(Id::kLastEnergy) + Text(Id::kWeight) + "|" +
                Text(Id::kShotCount),
            " 376.12  16.73   0.97|0");
  EXPECT_EQ(Text(Id::kLastVelocityUnit) + Text(Id::kAverageEnergyUnit) + Text(Id::kWeightUnit),
            "m/sjoulesgrammes");
  EXPECT_FALSE(view_.MenuEnabled(Id::kReset) || view_.MenuEnabled(Id::kUndo) ||
               view_.MenuChecked(Id::kLogging));
  EXPECT_EQ(Text(Id::kCounts), "");  // until this run's first shot
  EXPECT_EQ(view_.TimerPeriod(MainWindow::kTimerId), 20);

  window_.Command(1, Notification::kClicked);  // Enter
  window_.Command(2, Notification::kClicked);  // Escape
  EXPECT_EQ(view_.end_result(), -1) << "only a close request ends the window";
  window_.CloseRequested();
  EXPECT_EQ(view_.end_result(), 0);
  window_.Destroyed();
  EXPECT_EQ(view_.TimerPeriod(MainWindow::kTimerId), 0);
}

TEST_F(MainWindowTest, ShotIsShownStoredAndAveragedUnroundedUntilUndoOrReset) {
  window_.Initialize();
  Receive("001234\r\n");
  EXPECT_EQ(Text(Id::kCounts) + "|" + Text(Id::kLastVelocity) + "|" + Text(Id::kMark) + "|" +
                Text(Id::kLastEnergy),
            "1234| 633.71|3|  13.35");
  EXPECT_EQ(Stored("FPS") + Stored("PDS"), " 633.71  13.35");  // right-aligned in seven
  EXPECT_EQ(Text(Id::kShotCount) + Text(Id::kAverageVelocity), "1 633.71");
  EXPECT_DOUBLE_EQ(state_.series.at(0), 782000.0 / 1234.0);
  EXPECT_TRUE(view_.MenuEnabled(Id::kReset));
  Receive("001000\r");
  Command(Id::kUndo);
  EXPECT_EQ(Text(Id::kShotCount) + Text(Id::kAverageVelocity), "1 633.71");
  Command(Id::kReset);
  EXPECT_EQ(Text(Id::kShotCount) + "|" + Text(Id::kAverageVelocity) + Text(Id::kAverageEnergy),
            "0|");
  EXPECT_FALSE(view_.MenuEnabled(Id::kReset));
  Command(Id::kUndo);  // nothing left to undo
  EXPECT_EQ(Text(Id::kShotCount), "0");
}

// The store's cost falls on the next tick without a shot, after the shot was painted.
TEST_F(MainWindowTest, ShotsStoredValuesReachTheStoreAsOneChangeOnceTheShotIsShown) {
  window_.Initialize();
  Receive("001234\r\n");
  EXPECT_EQ(std::tuple(memory_->writes, memory_->batches_begun, memory_->batches_deferred),
            std::tuple(2, 1, 1));
  EXPECT_EQ(memory_->deferred_writes, 0);
  Receive("");
  EXPECT_EQ(memory_->deferred_writes, 1);
}

TEST_F(MainWindowTest, SoundIsLegalBelowTheLimitAndOverTheLimitFromItOn) {
  state_.settings.sound = true;
  window_.Initialize();
  const double energy = 633.0 * 633.0 * 15.0 / 450240.0;  // the shot of "001234"
  for (const double limit : {std::nextafter(energy, 100.0), energy, std::nextafter(energy, 0.0)}) {
    state_.settings.legal_limit = limit;
    Receive("001234\r");
  }
  EXPECT_EQ(services_.sound.played, (Strings{"Airgun.wav", "Blurp.wav", "Blurp.wav"}));
}

TEST_F(MainWindowTest, LayoutWithoutTheCountFieldStillTakesShotsAndAbsurdFiguresNeverOverrun) {
  view_.RemoveControl(Id::kCounts);
  state_.settings.weight = 1e300;
  state_.settings.legal_limit = 100.0;  // above the last shot of an earlier run
  window_.Initialize();
  Receive("001234\r");
  EXPECT_EQ(Text(Id::kLastVelocity), " 633.71");
  EXPECT_EQ(Text(Id::kLastEnergy), kOverflowText);
  EXPECT_EQ(Stored("PDS"), "(none)");  // never a text that reads back as something else
  EXPECT_TRUE(view_.Alerted(Id::kLastEnergy)) << "the energy is held all the same";
}

// A sound layer that runs the platform's event loop while it plays: the timer fires mid-shot.
TEST_F(MainWindowTest, TickArrivingDuringAShotDoesNotTouchTheDecoder) {
  state_.settings.sound = true;
  window_.Initialize();
  std::string left_on_the_line;
  services_.sound.during_play = [&] {
    if (!left_on_the_line.empty()) return;
    platform_.line->to_program += "5678\r";
    window_.Tick(MainWindow::kTimerId);
    left_on_the_line = platform_.line->to_program;
  };
  Receive("001234\r0012");
  EXPECT_EQ(left_on_the_line, "5678\r") << "the nested tick read the port";
  EXPECT_EQ(state_.series.count(), 1);
  // The reading in progress goes on at the next tick: "0012" and "5678" run together.
  window_.Tick(MainWindow::kTimerId);
  ASSERT_EQ(state_.series.count(), 2);
  EXPECT_EQ(Text(Id::kCounts), "125678");
}

TEST_F(MainWindowTest, FailedPortIsReportedAtEachOpenAndSetUpClosesTheOldLinkFirst) {
  window_.Initialize();
  auto first_line = platform_.line;
  state_.settings.port_name = "COM7";
  platform_.open_error = {2, "No such file or directory"};
  Command(Id::kSetUp);
  EXPECT_TRUE(first_line->closed);
  EXPECT_EQ(platform_.opened_while_another_held, 0);
  const auto& message_box = services_.message_box;
  EXPECT_EQ(message_box.shown, Strings{"Serial port not happy COM7\r\nNo such file or directory"});
  EXPECT_EQ(message_box.captions, Strings{""});
  state_.language = UiLanguage::kGerman;
  Command(Id::kSetUp);
  EXPECT_EQ(message_box.shown.back(),
            "Serielle Schnittstelle unglücklich COM7\r\nNo such file or directory");
  window_.Tick(MainWindow::kTimerId);  // the window goes on without the instrument
  EXPECT_EQ(view_.TimerPeriod(MainWindow::kTimerId), 20);

  // A reading cut off by the new link is dropped, not joined to the next one.
  platform_.open_error = {};
  Command(Id::kSetUp);
  Receive("0012");
  ASSERT_TRUE(platform_.line->to_program.empty()) << "the open link took the reading's head";
  Command(Id::kSetUp);
  Receive("001234\r");
  EXPECT_EQ(Text(Id::kCounts), "1234");
}

// The adapter pulled out mid-reading and put back: the program lets the device go at once, tries
// it again about once a second without a word, and takes the shots of the new link only.
TEST_F(MainWindowTest, VanishedInstrumentIsReopenedQuietlyAndNothingFromBeforeIsTakenAgain) {
  window_.Initialize();
  Receive("001234\rx0012");  // a spoiled line in progress
  auto old_line = platform_.line;
  // A failed read is no loss: the same port is read again.
  old_line->fail_reads = true;
  for (int tick = 0; tick < 100; ++tick) window_.Tick(MainWindow::kTimerId);
  old_line->fail_reads = false;
  EXPECT_EQ(platform_.opened.size(), 1u);

  old_line->gone = true;
  platform_.open_error = {2, "No such file or directory"};
  const auto ticks_for = [&](int ms) {
    for (int elapsed = 0; elapsed < ms; elapsed += 20) {
      clock_.SleepMs(20);
      window_.Tick(MainWindow::kTimerId);
    }
  };
  ticks_for(20);
  EXPECT_TRUE(old_line->closed) << "the device must be let go for it to come back";
  EXPECT_TRUE(state_.chronoscope.IsLost());
  ticks_for(5000);  // the tab's exchanges, 140 ms each, count too
  EXPECT_GE(platform_.opened.size(), 1u + 4u);
  EXPECT_LE(platform_.opened.size(), 1u + 6u) << "tried more often than once a second";
  EXPECT_TRUE(services_.message_box.shown.empty());
  EXPECT_FALSE(view_.Enabled(Id::kTabGroup));
  EXPECT_EQ(Text(Id::kShotCount), "1");

  platform_.open_error = {};
  ticks_for(1100);
  ASSERT_FALSE(state_.chronoscope.IsLost());
  EXPECT_EQ(platform_.opened.back(), "COM2");
  Receive("5678\r");  // the spoiled line was lost with the old link
  EXPECT_EQ(Text(Id::kCounts) + "|" + Text(Id::kShotCount), "5678|2");

  // A loss found by an exchange, then Set up while the device is away: the user's own open
  // reports as ever, and the quiet tries go on until it is back.
  platform_.line->gone = true;
  window_.Command(static_cast<int>(Id::kBack), Notification::kClicked);
  platform_.open_error = {2, "No such file or directory"};
  Command(Id::kSetUp);
  EXPECT_EQ(services_.message_box.shown.size(), 1u);
  platform_.open_error = {};
  ticks_for(1100);
  EXPECT_FALSE(state_.chronoscope.IsLost());
  // A port that never opened waits for Set up.
  state_.settings.port_name = "COM7";
  platform_.open_error = {2, "No such file or directory"};
  Command(Id::kSetUp);
  ticks_for(2000);
  EXPECT_EQ(platform_.opened.back(), "COM7");
  EXPECT_EQ(std::ranges::count(platform_.opened, "COM7"), 1);
}

TEST_F(MainWindowTest, TypedWeightIsHeldAndStoredButNotZeroUnchangedOrAbsurd) {
  view_.EchoTextChanges(Id::kWeight, window_);
  window_.Initialize();
  EXPECT_EQ(memory_->writes, 0) << "the refresh's own write of the field stores nothing";
  Receive("001234\r");
  for (const char* text : {"0", "abc", "", "15", "1e400", "1e30"}) {
    view_.Type(Id::kWeight, text, window_);
  }
  EXPECT_EQ(state_.settings.weight, 15.0);
  EXPECT_EQ(Stored("Weight"), "(none)");
  view_.Type(Id::kWeight, "16", window_);
  EXPECT_EQ(Stored("Weight"), "  16.00");
  EXPECT_EQ(Text(Id::kAverageEnergy), "  13.35");  // nothing else follows until a refresh

  state_.settings.metric = true;
  view_.Type(Id::kWeight, "1", window_);
  EXPECT_NEAR(state_.settings.weight, 15.435, 1e-3);
  EXPECT_EQ(Stored("Weight"), "  15.43");

  // A comma is the decimal point a German user types: the weight is what the field shows.
  view_.Type(Id::kWeight, "1,03", window_);
  EXPECT_NEAR(state_.settings.weight, 1.03 / 0.06478782, 1e-9);
  state_.settings.metric = false;
  view_.Type(Id::kWeight, "8,44", window_);
  EXPECT_EQ(state_.settings.weight, 8.44);
  EXPECT_EQ(Stored("Weight"), "   8.44");
}

TEST_F(MainWindowTest, LoggingFromTheMenuLogsEveryShotInImperialUnitsEvenWhenMetric) {
  auto& files = services_.files;
  state_.settings.metric = true;
  window_.Initialize();
  Receive("001234\r");
  EXPECT_TRUE(files.files.empty()) << "logging is off";
  Command(Id::kLogging);
  EXPECT_TRUE(view_.MenuChecked(Id::kLogging));
  EXPECT_EQ(Stored("Logging"), "TRUE");
  Receive("001234\r");
  Receive("001234\r");
  EXPECT_EQ(files.files["Tarvik.log"], "633.71,13.35,15.00\r\n633.71,13.35,15.00\r\n");
  EXPECT_EQ(Text(Id::kLastVelocity) + Stored("FPS"), " 193.16 633.71");  // shown, held
  files.locked.insert("Tarvik.log");  // held by another program: the shot goes on unlogged
  Receive("001234\r");
  EXPECT_EQ(state_.series.count(), 4);
  files.locked.clear();

  Command(Id::kViewLog);
  EXPECT_EQ(services_.viewer.shown, Strings{"Tarvik.log"});
  EXPECT_TRUE(services_.message_box.shown.empty());
  // Where no program shows text files, the user is told so, and why.
  services_.viewer.refusal = "xdg-open: no program to open text files was found.";
  state_.language = UiLanguage::kGerman;
  Command(Id::kViewLog);
  EXPECT_EQ(services_.message_box.shown,
            Strings{"Die Aufzeichnung kann nicht gezeigt werden: kein Programm öffnet hier "
                    "Textdateien.\r\nxdg-open: no program to open text files was found."});
  EXPECT_EQ(services_.message_box.captions, Strings{"Tarvik"});
  state_.language = UiLanguage::kNeutral;
  Command(Id::kLoadLog);
  EXPECT_EQ(Text(Id::kShotCount), "6");
  Command(Id::kDeleteLog);
  Receive("001000\r");  // logging is still on: a new log begins
  EXPECT_EQ(files.files["Tarvik.log"], "782.00,20.37,15.00\r\n");
  Command(Id::kLogging);
  EXPECT_FALSE(view_.MenuChecked(Id::kLogging));
  EXPECT_EQ(Stored("Logging"), "FALSE");
}

class MemorySnapTest : public MainWindowTest {
 protected:
  void SetUp() override {
    window_.Initialize();
    services_.files.files[kSnapFile] = "an earlier snap";
  }
  // Runs the snap; `script` is what happens while it is up.
  void Snap(testing::FakeWindows::Script script) {
    services_.windows.script = std::move(script);
    Command(Id::kSnap);
  }
  // The instrument sends `bytes`; one tick of the snap's timer takes them. Returns the count.
  std::string Arrive(DialogEvents& snap, testing::FakeDialog& dialog, std::string_view bytes) {
    platform_.line->to_program += bytes;
    snap.Tick(MemorySnap::kTimerId);
    return dialog.Text(SnapId::kByteCount);
  }
};

void Press(DialogEvents& snap, SnapId id) {
  snap.Command(static_cast<int>(id), Notification::kClicked);
}

TEST_F(MemorySnapTest, DumpIsCountedAndSavedByteForByteUpTo200OnlyOnAnOpenLink) {
  std::string dump;
  for (int i = 0; i < 400; ++i) dump += static_cast<char>(i);
  Snap([&](DialogEvents& snap, testing::FakeDialog& dialog) {
    Arrive(snap, dialog, dump.substr(0, 50));
    window_.Tick(MainWindow::kTimerId);  // the main window's timer leaves the port alone
    EXPECT_EQ(Arrive(snap, dialog, dump.substr(50, 87)), "137");
    Press(snap, SnapId::kClear);
    EXPECT_EQ(Arrive(snap, dialog, dump.substr(137, 20)), "20");
    EXPECT_EQ(Arrive(snap, dialog, dump.substr(157)), "200");
    Press(snap, SnapId::kSaveAndClose);
    EXPECT_EQ(dialog.end_result(), 0);
  });
  EXPECT_EQ(services_.files.files[kSnapFile], dump.substr(137, 200));
  state_.chronoscope.CloseLink();
  Snap(nullptr);
  EXPECT_EQ(services_.windows.opened, Strings{"Snap"});
}

TEST_F(MemorySnapTest, GivingUpClosingOrSavingAtOnceDropsTheReadingInProgress) {
  for (int i = 0; i < 3; ++i) {  // "Give up", the close box, "Save and close" at once
    Receive("0012");             // the beginning of a reading, dropped by the snap
    Snap([i](DialogEvents& snap, testing::FakeDialog&) {
      i == 1 ? snap.CloseRequested() : Press(snap, i ? SnapId::kSaveAndClose : SnapId::kGiveUp);
    });
    EXPECT_EQ(services_.files.files[kSnapFile], i < 2 ? "an earlier snap" : "") << i;
    Receive("\r\n001234\r\n");
    EXPECT_EQ(Text(Id::kCounts), "1234");
  }
  EXPECT_EQ(state_.series.count(), 3);
}

// The main window with the shot-memory tab of the simulated instrument's model, on the test's
// clock.
class MainWindowTabTest : public ::testing::Test {
 protected:
  // Presses the button `pressed`, if any, then ticks every 20 ms of the test's clock for `ms`.
  void Run(int ms, std::optional<Id> pressed = std::nullopt) {
    if (pressed) window_.Command(static_cast<int>(*pressed), Notification::kClicked);
    for (const std::int64_t end = clock_.NowMs() + ms; clock_.NowMs() < end;) {
      clock_.SleepMs(MainWindow::kTimerPeriodMs);
      window_.Tick(MainWindow::kTimerId);
    }
  }
  std::int32_t Fire(std::int64_t count, std::int64_t at) {
    instrument_.instrument.FireShot({static_cast<std::uint64_t>(count), 6}, sim::Millis(at));
    return static_cast<std::int32_t>(count);
  }
  // "buffered/previous", and + or - for the group, Fire, All, Back and Back 10 enabled or not.
  std::string Group() const {
    std::string shown = view_.Text(Id::kBuffered) + "/" + view_.Text(Id::kPrevious) + " ";
    for (const Id id : {Id::kTabGroup, Id::kFire, Id::kAll, Id::kBack, Id::kBack10})
      shown += view_.Enabled(id) ? '+' : '-';
    return shown;
  }
  // The counts of the shots decoded so far, from their velocities at the calibration of 100.
  Counts Decoded() const {
    Counts counts;
    for (const double velocity : state_.series.velocities())
      counts.push_back(static_cast<std::int32_t>(782000.0 / velocity + 0.5));
    return counts;
  }

  testing::FakeClock clock_;
  testing::SimulatedPlatform instrument_{clock_};
  AppState state_{instrument_};
  testing::FakeDialog view_;
  testing::QuietServices services_;
  MainWindow window_{view_, state_, services_.With(clock_)};
};

TEST_F(MainWindowTabTest, TabGroupFollowsTheTabAndItsButtonsBringEveryStoredShotOnce) {
  window_.Initialize();
  for (int i = 0; i < 5; ++i) instrument_.instrument.StoreShot({1000u + i, 6});
  Run(51 * 20);  // the 51st idle tick asks
  EXPECT_EQ(instrument_.written, "pt");
  EXPECT_EQ(Group(), "5/0 +++--");

  // Nine shots fired live: "Back" can go back over them, "Back 10" not yet.
  for (int i = 0; i < 9; ++i) Fire(2000 + i, clock_.NowMs());
  Run(20);  // the tick that decodes them leaves the question to the next one
  EXPECT_EQ(instrument_.written, "pt");
  Run(20);
  EXPECT_EQ(instrument_.written, "ptpt");
  EXPECT_EQ(Group(), "5/9 ++++-");
  Fire(2009, clock_.NowMs());
  Run(40);
  EXPECT_EQ(Group(), "5/10 +++++");

  Run(100, Id::kFire);  // one stored shot
  EXPECT_EQ(Decoded().size(), 11u);
  Run(2000, Id::kAll);  // and the rest
  EXPECT_EQ(Group(), "0/15 +--++");
  Run(0, Id::kBack);  // one back: the last shot is buffered again
  EXPECT_EQ(Group(), "1/14 +++++");
  Run(100, Id::kFire);
  EXPECT_EQ(Decoded(), (Counts{2000, 2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008, 2009, 1000,
                               1001, 1002, 1003, 1004, 1004}));

  state_.chronoscope.CloseLink();  // a closed link: the buttons send nothing
  const std::string written = instrument_.written;
  Run(0, Id::kFire);
  Run(1100, Id::kBack10);
  EXPECT_EQ(instrument_.written, written);
}

TEST_F(MainWindowTabTest, NoReadingIsLostOrMadeUpWhereverItLandsInTheExchanges) {
  window_.Initialize();
  Run(1020);  // the first idle refresh is done: the next comes 51 ticks on
  // Shots 23, 37 and 53 ms apart fall at every moment of the tab's reads and waits after a shot.
  Counts sent;
  std::int64_t at = clock_.NowMs();
  for (const int gap : {23, 37, 53}) {
    for (int i = 0; i < 70; ++i, at += gap) sent.push_back(Fire(1000 + std::ssize(sent), at));
  }
  Run(static_cast<int>(at - clock_.NowMs()) + 1000);
  EXPECT_EQ(Decoded(), sent);
  EXPECT_GE(instrument_.written.size(), 60u) << "the tab was asked while readings came";
}

// A line at 9600 baud, one byte a millisecond: readings 113 to 189 ms apart with a burst of noise
// between each two, a tab that adds bytes after each reply, and replies that come so late that a
// read cuts them. Every reading is decoded once; nothing else is.
TEST_F(MainWindowTabTest, NoReadingIsLostOrMadeUpAmidNoiseLateRepliesAndTheirTails) {
  sim::InstrumentOptions options;
  options.byte_time = sim::Millis(1);
  options.reply_tail = "\xFF~";
  instrument_.instrument.set_options(options);
  window_.Initialize();
  Counts sent;
  const auto fire_with_noise = [&](int shots) {
    std::int64_t at = clock_.NowMs() + 7;
    for (int i = 0; i < shots; ++i) {
      sent.push_back(Fire(1000 + std::ssize(sent), at));
      const int gap = 113 + 19 * (i % 5);
      const auto noise = sim::NoiseBytes(1 + i % 3, sent.size());
      instrument_.instrument.SendRaw(noise, sim::Millis(at + 30 + i % 7));
      at += gap;
    }
    Run(static_cast<int>(at - clock_.NowMs()) + 500);
  };
  fire_with_noise(60);
  // Version replies that come as the program reads them, then pointer replies.
  options.delays.version = sim::Millis(38);
  instrument_.instrument.set_options(options);
  fire_with_noise(40);
  options.delays = {};
  options.delays.pointers = sim::Millis(93);
  instrument_.instrument.set_options(options);
  fire_with_noise(40);
  EXPECT_EQ(Decoded(), sent);
  EXPECT_GE(std::ranges::count(instrument_.written, 'p'), 100) << "the tab was asked";
}

// A dump is one burst: the rest of it beyond the snap's room holds no reading, whatever lines it
// has, until the line has been quiet.
TEST_F(MemorySnapTest, TheRestOfADumpIsNoShotWhateverLinesItHas) {
  Snap([&](DialogEvents& snap, testing::FakeDialog&) {
    platform_.line->to_program = std::string(200, '\x01') +
                                 "\x02\r"
                                 "001234\r"
                                 "\x03";
    snap.Tick(MemorySnap::kTimerId);
    snap.Tick(MemorySnap::kTimerId);
    Press(snap, SnapId::kSaveAndClose);
  });
  clock_.SleepMs(40);
  Receive("");  // the line is quiet: the dump is over
  Receive("005678\r\n");
  EXPECT_EQ(Text(Id::kCounts) + "|" + Text(Id::kShotCount), "5678|1");
}

// A memory dump of any length while the snap waits for it, a byte a millisecond. What the snap's
// 200 bytes cannot hold is the decoder's, as if it had waited in the port: a reading fired after
// the dump, while the snap is still up, is a shot once, after the snap; the rest of the dump and
// a reading whose head went into the snap are none; the reading after the snap is whole.
TEST_F(MainWindowTabTest, ASnapOfAnyLengthCostsNoReadingAfterTheDumpAndMakesNone) {
  sim::InstrumentOptions options;
  options.byte_time = sim::Millis(1);
  instrument_.instrument.set_options(options);
  window_.Initialize();
  Run(100);
  Counts sent;
  for (const std::int64_t length : {0, 150, 192, 196, 200, 201, 450, 1200}) {
    services_.windows.script = [&](DialogEvents& snap, testing::FakeDialog& dialog) {
      const std::int64_t start = clock_.NowMs();
      instrument_.instrument.SendDump(static_cast<std::size_t>(length), sim::Millis(start + 10));
      const std::int64_t dump_end = start + 10 + length;
      // Past the snap's room, a reading is the decoder's; within it, the snap's, and a reading
      // that the snap's room cuts is nobody's.
      const std::int32_t during = Fire(3000 + length, dump_end + 100);
      if (length >= 200) sent.push_back(during);
      // The snap closes while a reading arrives: its head is the snap's when there is room.
      const std::int32_t cut = Fire(4000 + length, dump_end + 400 - 4);
      if (length + 8 >= 200) sent.push_back(cut);
      while (clock_.NowMs() < dump_end + 400) {
        clock_.SleepMs(MemorySnap::kTimerPeriodMs);
        snap.Tick(MemorySnap::kTimerId);
        window_.Tick(MainWindow::kTimerId);  // leaves the port to the snap
      }
      const int count = std::stoi(dialog.Text(SnapId::kByteCount));
      EXPECT_TRUE(count >= std::min<std::int64_t>(length + 8, 200) && count <= 200) << length;
      Press(snap, SnapId::kSaveAndClose);
    };
    window_.Command(static_cast<int>(Id::kSnap), Notification::kMenu);
    EXPECT_TRUE(services_.files.files[kSnapFile].starts_with(
        sim::DumpBytes(static_cast<std::size_t>(std::min<std::int64_t>(length, 200)))))
        << length;
    sent.push_back(Fire(5000 + length, clock_.NowMs() + 50));
    Run(1100);
  }
  EXPECT_EQ(Decoded(), sent);
}

TEST_F(MainWindowTabTest, InstrumentWithoutTabGreysTheGroupAndALayoutWithoutItStillAsks) {
  sim::InstrumentOptions no_tab;
  no_tab.tab_present = false;
  instrument_.instrument.set_options(no_tab);
  for (const Id id : {Id::kTabGroup, Id::kFire, Id::kAll, Id::kBuffered}) view_.RemoveControl(id);
  window_.Initialize();
  Run(1020);
  EXPECT_EQ(instrument_.written, "p");  // no version reply: no "t"
  EXPECT_FALSE(view_.Enabled(Id::kBack) || view_.Enabled(Id::kPreviousLabel));
  EXPECT_EQ(view_.Text(Id::kPrevious), "");
}

TEST_F(MainWindowTabTest, SetUpsTabPageShowsTheTabAndResetsIt) {
  window_.Initialize();
  for (int i = 0; i < 3; ++i) instrument_.instrument.StoreShot({1000u + i, 6});
  services_.windows.sheet_script = [this](PropertySheet& sheet, auto& view) {
    sheet.SelectPage(3);
    testing::FakeDialog& page = view.pages[3];
    EXPECT_EQ(page.Text(ConfigId::kTabVersion), "3");
    EXPECT_EQ(page.Text(ConfigId::kTabNext) + " " + page.Text(ConfigId::kTabEmpty),
              "0x0000 0x0003");
    EXPECT_TRUE(page.Enabled(ConfigId::kResetTab));
    Fire(1234, clock_.NowMs() + 5);  // a shot during the reset is not lost
    sheet.page(3)->Command(static_cast<int>(ConfigId::kResetTab), Notification::kClicked);
    EXPECT_EQ(page.Text(ConfigId::kTabEmpty), "0x0000");
    state_.chronoscope.CloseLink();
    sheet.page(3)->Command(static_cast<int>(ConfigId::kResetTab), Notification::kClicked);
    EXPECT_FALSE(page.Enabled(ConfigId::kResetTab));
    sheet.Cancel();
  };
  window_.Command(static_cast<int>(Id::kSetUp), Notification::kMenu);
  EXPECT_EQ(services_.message_box.shown,
            (std::vector<std::string>{"Tab reset", "No serial communications"}));
  EXPECT_EQ(Decoded(), Counts{1234});
}

}  // namespace
}  // namespace tarvik
