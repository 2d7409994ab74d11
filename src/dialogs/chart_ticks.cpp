#include "dialogs/chart_ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/number_text.h"

namespace tarvik {
namespace {

// More ticks than any screen has room for, or steps so small beside the values that their
// multiples no longer fit a 64-bit count: the values are not worth labelling.
constexpr double kMostTicks = 10000;
constexpr double kLargestMultiple = 1e15;

// The decimals a label needs to tell multiples of `step` apart.
int Decimals(double step) {
  if (step >= 1) return 0;
  return static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

}  // namespace

double NiceStepAtLeast(double at_least) {
  const double power = std::pow(10.0, std::floor(std::log10(at_least)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= at_least * (1 - 1e-9)) return factor * power;
  }
  return 10 * power;
}

std::optional<ValueTicks> ChooseValueTicks(double lowest, double highest, int pixels, int spacing,
                                           double finest) {
  const double span = highest - lowest;
  if (!std::isfinite(span) || span < 0 || pixels < 1) return std::nullopt;
  double step = NiceStepAtLeast(std::max(finest, span * spacing / pixels));
  // Rounding the ends out to multiples of the step widens the axis, which may crowd the labels:
  // then the next step up. Each round at least doubles the step.
  for (int round = 0; round < 64; ++round) {
    const double first = std::floor(lowest / step);
    const double last = std::ceil(highest / step);
    if (std::abs(first) > kLargestMultiple || std::abs(last) > kLargestMultiple) break;
    const double ticks = last - first;
    if (ticks > kMostTicks) break;
    if (ticks * spacing <= pixels || ticks <= 1) {
      ValueTicks axis{first * step, last * step, {}};
      const int decimals = Decimals(step);
      for (auto k = static_cast<std::int64_t>(first); k <= static_cast<std::int64_t>(last); ++k) {
        // Adding 0.0 turns -0 into 0.
        const double value = static_cast<double>(k) * step + 0.0;
        axis.ticks.push_back({value, FormatFixed(value, decimals)});
      }
      return axis;
    }
    step = NiceStepAtLeast(step * 1.5);
  }
  return std::nullopt;
}

}  // namespace tarvik
