// Units and energy. Every quantity is held in fps, ft.lbs and grains; metric units exist only
// on the way to the screen and back from what the user types.
#ifndef TARVIK_MEASURE_UNITS_H_
#define TARVIK_MEASURE_UNITS_H_

#include <string>

namespace tarvik {

inline constexpr double kGrammesPerGrain = 0.06478782;
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kJoulesPerFtLb = 1.3557;
inline constexpr double kEnergyDivisor = 450240.0;

// Energy in ft.lbs of a projectile of `weight` grains at `velocity` fps: v * v * w / 450240.
double ShotEnergy(double velocity, double weight);
// The same with the velocity first floored to whole fps, as shot energies and the average
// energy of the main window are made.
double FlooredShotEnergy(double velocity, double weight);

double VelocityForDisplay(double fps, bool metric);
double EnergyForDisplay(double ft_lbs, bool metric);
double WeightForDisplay(double grains, bool metric);
double WeightFromDisplay(double typed, bool metric);
double LimitFromDisplay(double typed, bool metric);

const char* VelocityUnitLabel(bool metric);
const char* EnergyUnitLabel(bool metric);
const char* WeightUnitLabel(bool metric);
const char* LimitUnitLabel(bool metric);

// "%7.2f" of the value: two decimals, right-aligned in at least seven characters.
std::string FormatMeasurement(double value);

// The "%7.2f" text of a value for a 30-character field buffer. A value too large for that
// (only an absurd typed weight or limit makes one) shows as kOverflowText instead.
std::string MeasurementFieldText(double value);
inline constexpr const char* kOverflowText = "#######";

}  // namespace tarvik

#endif  // TARVIK_MEASURE_UNITS_H_
