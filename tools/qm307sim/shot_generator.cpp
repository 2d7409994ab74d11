#include "qm307sim/shot_generator.h"

namespace tarvik::sim {

ShotGenerator::ShotGenerator(double mean_fps, double spread_fps, std::uint64_t seed)
    : mean_fps_(mean_fps), spread_fps_(spread_fps), engine_(seed) {}

double ShotGenerator::Next() {
  // The top 53 bits as a fraction in [0, 1], by hand: the standard distributions may give
  // other sequences with other libraries, and a seed must mean the same run everywhere.
  const double unit = static_cast<double>(engine_() >> 11) / static_cast<double>((1ULL << 53) - 1);
  return mean_fps_ + spread_fps_ * (2.0 * unit - 1.0);
}

}  // namespace tarvik::sim
