// Round steps for a chart's axes: 1, 2 or 5 times a power of ten, labels far enough apart.
#ifndef TARVIK_DIALOGS_CHART_TICKS_H_
#define TARVIK_DIALOGS_CHART_TICKS_H_

#include <optional>
#include <string>
#include <vector>

namespace tarvik {

// The smallest of 1, 2 and 5 times a power of ten that is not below `at_least` (above 0).
double NiceStepAtLeast(double at_least);

struct ValueTick {
  double value = 0.0;
  std::string label;
};

// A value axis: its ends are multiples of the step, and a labelled tick stands at each multiple.
struct ValueTicks {
  double low = 0.0;
  double high = 0.0;
  std::vector<ValueTick> ticks;
};

// An axis `pixels` long for the values from `lowest` to `highest`, its ticks at least `spacing`
// pixels apart and no finer than `finest`, labelled with as many decimals as the step needs.
// Nothing when the values are too far apart, or too large for their step, to be labelled.
std::optional<ValueTicks> ChooseValueTicks(double lowest, double highest, int pixels, int spacing,
                                           double finest);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_CHART_TICKS_H_
