#include "measure/shot.h"

#include "measure/units.h"

namespace tarvik {
namespace {

constexpr std::int64_t kCalibrationFactor = 78;

}  // namespace

Shot MakeShot(const Reading& reading, std::int32_t calibration, double weight) {
  Shot shot;
  shot.count = reading.count;
  shot.mark = MarkForDigits(reading.digits);
  // The calibration product is integer arithmetic; 64 bits keep it exact for any calibration.
  const std::int64_t correction = calibration * kCalibrationFactor;
  shot.velocity = (TimingConstant(shot.mark) - static_cast<double>(correction)) / reading.count;
  shot.energy = FlooredShotEnergy(shot.velocity, weight);
  return shot;
}

}  // namespace tarvik
