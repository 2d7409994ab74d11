// Synchronous sound: it blocks its caller without running the caller's event loop, ends within
// the sound's own length even where there is no audio device, and finds the program's sounds.
#include "ui/qt_sound.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>
#include <cstdint>
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

// A wave file's header and `data_bytes` of silence, its data chunk claiming `claimed` bytes.
std::string Wave(std::uint16_t format, std::uint32_t claimed, std::size_t data_bytes) {
  auto le = [](std::uint32_t v, int n) {
    std::string bytes;
    for (int i = 0; i < n; ++i) bytes += static_cast<char>(v >> (8 * i));
    return bytes;
  };
  return "RIFF" + le(36 + claimed, 4) + "WAVEfmt " + le(16, 4) + le(format, 2) + le(1, 2) +
         le(22050, 4) + le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(claimed, 4) +
         std::string(data_bytes, '\0');
}

TEST(WaveFileTest, LengthComesFromTheHeaderAndTheDataPresent) {
  const std::string airgun = ReadFile(TARVIK_SOUNDS "/Airgun.wav");
  EXPECT_EQ(WaveDurationMs(airgun, airgun.size()), 300);
  EXPECT_FALSE(WaveDurationMs(airgun.substr(0, 30), 30));  // cut before its data chunk
  // A header that claims hours of data the file does not hold plays what is there.
  const std::string cut = Wave(1, 0xFFFFFFFF, 4410);
  EXPECT_EQ(WaveDurationMs(cut, cut.size()), 100);
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

TEST(QtSoundPlayerTest, SoundThatCannotBeDecodedGivesUpAtOnceEveryTime) {
  const std::string path = ::testing::TempDir() + "tarvik-undecodable.wav";
  std::ofstream(path, std::ios::binary) << Wave(0x1234, 44100, 44100);  // a second, unknown coding
  QtSoundPlayer sound({});
  for (int play = 0; play < 2; ++play) {
    const auto start = Clock::now();
    sound.PlayFileSync(path);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500)) << "play " << play;
  }
}

}  // namespace
}  // namespace tarvik::ui
