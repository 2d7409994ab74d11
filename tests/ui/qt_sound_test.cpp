// Synchronous sound: it blocks its caller without running the caller's event loop, ends within
// the sound's own length even where there is no audio device, and finds the program's sounds.
#include "ui/qt_sound.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>
#include <fstream>
#include <iterator>

#include "base/wave_file.h"

namespace tarvik::ui {
namespace {

using Clock = std::chrono::steady_clock;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(WaveFileTest, LengthComesFromTheHeader) {
  const std::string airgun = ReadFile(TARVIK_SOUNDS "/Airgun.wav");
  EXPECT_EQ(WaveDurationMs(airgun), 300);
  EXPECT_EQ(WaveDurationMs(ReadFile(TARVIK_SOUNDS "/Blurp.wav")), 400);
  EXPECT_FALSE(WaveDurationMs(airgun.substr(0, 30)));  // cut before its data chunk
  EXPECT_FALSE(WaveDurationMs("RIFF\x04\0\0\0WAVEdata"));
}

TEST(QtSoundPlayerTest, PlaysTheProgramsSoundToItsEndWithoutRunningTheEventLoop) {
  QtSoundPlayer sound(SoundFolders(TARVIK_SOUNDS));
  EXPECT_EQ(sound.Resolve("Airgun.wav"), TARVIK_SOUNDS "/Airgun.wav");
  bool timer_fired = false;
  QTimer::singleShot(0, [&timer_fired] { timer_fired = true; });
  const auto start = Clock::now();
  sound.PlayFileSync("Airgun.wav");
  const auto elapsed = Clock::now() - start;
  EXPECT_FALSE(timer_fired) << "the event loop ran during the sound";
  EXPECT_LT(elapsed, std::chrono::milliseconds(300 + 600));

  const auto missing_start = Clock::now();
  sound.PlayFileSync("no-such-sound.wav");  // the platform's beep, at once
  EXPECT_LT(Clock::now() - missing_start, std::chrono::milliseconds(100));
  EXPECT_EQ(sound.Resolve("no-such-sound.wav"), "");
}

}  // namespace
}  // namespace tarvik::ui
