#include "measure/units.h"

#include <cmath>

#include "base/number_text.h"

namespace tarvik {

double ShotEnergy(double velocity, double weight) {
  return velocity * velocity * weight / kEnergyDivisor;
}

double FlooredShotEnergy(double velocity, double weight) {
  return ShotEnergy(std::floor(velocity), weight);
}

double VelocityForDisplay(double fps, bool metric) { return metric ? fps * kMetresPerFoot : fps; }

double EnergyForDisplay(double ft_lbs, bool metric) {
  return metric ? ft_lbs * kJoulesPerFtLb : ft_lbs;
}

double WeightForDisplay(double grains, bool metric) {
  return metric ? grains * kGrammesPerGrain : grains;
}

double WeightFromDisplay(double typed, bool metric) {
  return metric ? typed / kGrammesPerGrain : typed;
}

double LimitFromDisplay(double typed, bool metric) {
  return metric ? typed / kJoulesPerFtLb : typed;
}

const char* VelocityUnitLabel(bool metric) { return metric ? "m/s" : "fps"; }
const char* EnergyUnitLabel(bool metric) { return metric ? "joules" : "ft.lbs"; }
const char* WeightUnitLabel(bool metric) { return metric ? "grammes" : "grains"; }
const char* LimitUnitLabel(bool metric) { return metric ? "joules" : "fp.lbs"; }

std::string FormatMeasurement(double value) { return FormatFixed(value, 2, 7); }

std::string MeasurementFieldText(double value) {
  return FitText(FormatMeasurement(value), kFieldTextSize).value_or(kOverflowText);
}

}  // namespace tarvik
