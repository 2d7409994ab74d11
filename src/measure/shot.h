// A reading turned into a shot: the instrument generation its digit count tells, the velocity
// from that generation's timing constant and the user's calibration, and the energy at the
// projectile weight. Values are imperial; metric exists only on the screen.
#ifndef TARVIK_MEASURE_SHOT_H_
#define TARVIK_MEASURE_SHOT_H_

#include <cstdint>

#include "link/hardware_mark.h"
#include "link/reading.h"

namespace tarvik {

struct Shot {
  std::int32_t count = 0;
  HardwareMark mark = HardwareMark::kMark4;
  double velocity = 0.0;  // fps, unrounded
  double energy = 0.0;    // ft.lbs, of the velocity floored to whole fps
};

// Velocity = (K - calibration * 78) / count, with K the mark's timing constant; calibration
// 100 is the instrument as shipped. The reading's count must be at least 1.
Shot MakeShot(const Reading& reading, std::int32_t calibration, double weight);

// Whether the displays mark a shot's energy (ft.lbs) as above the legal limit: red digits and
// fields, the shot table's mark. At exactly the limit it is not, although the shot's sound there
// is already the over-limit one.
inline bool AboveLegalLimit(double energy, double limit) { return energy > limit; }

}  // namespace tarvik

#endif  // TARVIK_MEASURE_SHOT_H_
