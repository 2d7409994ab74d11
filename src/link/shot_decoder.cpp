#include "link/shot_decoder.h"

#include <algorithm>
#include <limits>
#include <string>

#include "base/number_text.h"
#include "link/hardware_mark.h"
#include "measure/averages.h"
#include "measure/units.h"
#include "res/main_window_ids.h"

namespace tarvik {
namespace {

constexpr std::uint8_t kCarriageReturn = 13;
constexpr std::int32_t kCalibrationFactor = 78;
constexpr int kSoundPauseMs = 200;

void StartNewReading(DecoderState& decoder) {
  decoder.reading_count = 0;
  decoder.digit_tally = 0;
  decoder.overlong = false;
}

void AddDigit(DecoderState& decoder, std::int32_t digit) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  if (decoder.digit_tally < kMax) ++decoder.digit_tally;
  if (decoder.overlong) return;
  if (decoder.reading_count > (kMax - digit) / 10) {
    decoder.overlong = true;
  } else {
    decoder.reading_count = decoder.reading_count * 10 + digit;
  }
}

// Stores a measurement's "%7.2f" text unless it would not fit a field buffer; the stored value
// then keeps its previous text rather than one that reads back as something else.
void WriteMeasurementSetting(ShotHooks& hooks, std::string_view name, double value) {
  if (auto text = FitText(FormatMeasurement(value), kFieldTextSize)) {
    hooks.WriteSettingText(name, *text);
  }
}

}  // namespace

void CompleteShot(std::int32_t count, std::int32_t digits, ShotContext& context) {
  const AppSettings& settings = context.settings;
  DialogView& window = context.main_window;

  window.SetItemUnsigned(ids::kCounts, static_cast<std::uint32_t>(count));

  const HardwareMark mark = MarkForDigits(digits);
  // The calibration product is integer arithmetic; 64 bits keep it exact for any calibration.
  const std::int64_t correction = std::int64_t{settings.calibration} * kCalibrationFactor;
  const double velocity = (TimingConstant(mark) - static_cast<double>(correction)) / count;
  context.last_shot.velocity = velocity;
  window.SetItemText(ids::kLastVelocity,
                     MeasurementFieldText(VelocityForDisplay(velocity, settings.metric)));
  WriteMeasurementSetting(context.hooks, "FPS", velocity);
  window.SetItemText(ids::kMark, MarkLabel(mark));

  const double energy = FlooredShotEnergy(velocity, settings.weight);
  context.last_shot.energy = energy;
  window.SetItemText(ids::kLastEnergy,
                     MeasurementFieldText(EnergyForDisplay(energy, settings.metric)));
  WriteMeasurementSetting(context.hooks, "PDS", energy);

  context.hooks.InvalidateBigDisplay();
  context.hooks.AppendLogLine(velocity, energy);
  context.series.AppendShot(velocity);
  RefreshAverages(context.series, settings.weight, settings.metric, window);
  context.hooks.NotifyStatistics();

  if (settings.sound) {
    context.clock.SleepMs(kSoundPauseMs);
    // At exactly the limit the shot counts as over it.
    const bool legal = settings.legal_limit > energy;
    context.sound.PlayFileSync(legal ? settings.sound_legal : settings.sound_fac);
  }
}

bool DecodeReceived(ReceiveBuffer& buffer, DecoderState& decoder, ShotContext& context) {
  bool completed = false;
  std::int32_t i = 0;
  while (i < buffer.fill) {
    const std::uint8_t byte = buffer.bytes[static_cast<std::size_t>(i++)];
    if (byte >= '0' && byte <= '9') {
      AddDigit(decoder, byte - '0');
      continue;
    }
    if (byte == kCarriageReturn && !decoder.overlong && decoder.reading_count != 0) {
      const std::int32_t count = decoder.reading_count;
      const std::int32_t digits = decoder.digit_tally;
      StartNewReading(decoder);
      // Leave only the bytes still to decode in the buffer while the shot's steps run.
      std::copy(buffer.bytes.begin() + i, buffer.bytes.begin() + buffer.fill, buffer.bytes.begin());
      buffer.fill -= i;
      i = 0;
      CompleteShot(count, digits, context);
      completed = true;
      continue;
    }
    StartNewReading(decoder);
  }
  buffer.fill = 0;
  return completed;
}

}  // namespace tarvik
