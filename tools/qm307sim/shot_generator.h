// Velocities for the automatic shooter: spread evenly around a mean, from a seeded generator
// whose sequence is the same with every standard library.
#ifndef TARVIK_TOOLS_QM307SIM_SHOT_GENERATOR_H_
#define TARVIK_TOOLS_QM307SIM_SHOT_GENERATOR_H_

#include <cstdint>
#include <random>

namespace tarvik::sim {

class ShotGenerator {
 public:
  ShotGenerator(double mean_fps, double spread_fps, std::uint64_t seed);

  // A velocity in [mean - spread, mean + spread].
  double Next();

 private:
  double mean_fps_;
  double spread_fps_;
  std::mt19937_64 engine_;
};

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_SHOT_GENERATOR_H_
