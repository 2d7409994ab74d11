// The shot table's figures of the counted shots: count, average, extreme spread, standard
// deviation, lowest and highest, for the velocities and for the shots' energies. They are kept up
// to date shot by shot at a cost that does not grow with the string (Welford's update); after
// anything but an appended shot the owner clears them and adds every counted shot again.
// The update runs on the values less the first one, so that a string of near-equal velocities
// (a deviation of 0.01 fps on 800) keeps its standard deviation to many more digits than the
// rounding of the mean of the raw values would leave.
//
// The standard deviation is the sample's: it divides the sum of squared deviations by n - 1, and
// is 0 for fewer than two shots. (The statistics window's RMS divides by n.)
#ifndef TARVIK_MEASURE_SHOT_FIGURES_H_
#define TARVIK_MEASURE_SHOT_FIGURES_H_

#include <cstdint>

namespace tarvik {

// All 0 while there is no shot.
struct Figures {
  std::int64_t count = 0;
  double average = 0.0;
  double extreme_spread = 0.0;  // highest - lowest
  double standard_deviation = 0.0;
  double lowest = 0.0;
  double highest = 0.0;
};

// The figures of one quantity.
class RunningFigures {
 public:
  void Add(double value);
  void Clear() { *this = RunningFigures(); }
  Figures Get() const;

 private:
  std::int64_t count_ = 0;
  double shift_ = 0.0;  // the first value
  double shifted_mean_ = 0.0;
  double squared_deviations_ = 0.0;  // about the running mean
  double lowest_ = 0.0;
  double highest_ = 0.0;
};

// Both quantities of the counted shots: velocities (fps) and energies (ft.lbs). A shot's energy is
// the one its row and the main window show, of its velocity floored to whole fps, so that the
// lowest and highest energies are those of shots in the table; the energy average is the mean of
// the shots' energies.
class ShotFigures {
 public:
  void Add(double velocity, double weight);
  void Clear();
  const RunningFigures& velocity() const { return velocity_; }
  const RunningFigures& energy() const { return energy_; }

 private:
  RunningFigures velocity_;
  RunningFigures energy_;
};

}  // namespace tarvik

#endif  // TARVIK_MEASURE_SHOT_FIGURES_H_
