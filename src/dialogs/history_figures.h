// The figures and chart series of kept strings, in the units in use: a column of figures per
// string (its counted shots, average, extreme spread, standard deviation, lowest and highest
// velocity, and the weight they were shot with) and its counted shots for the overlaid chart.
#ifndef TARVIK_DIALOGS_HISTORY_FIGURES_H_
#define TARVIK_DIALOGS_HISTORY_FIGURES_H_

#include <span>
#include <string>
#include <vector>

#include "dialogs/compare_chart.h"
#include "history/kept_string.h"
#include "res/string_table.h"

namespace tarvik {

// The figures of `strings` side by side, headed by their names; `selected` is how many strings
// the user selected, of which `strings` are the first: when it is more, the heading's first text
// says how many are shown ("4 of 6"). Figures a string has too few shots for are left empty.
std::vector<std::vector<std::string>> ComparisonFigures(std::span<const KeptString> strings,
                                                        int selected, bool metric,
                                                        UiLanguage language);

// A string's counted shots and their average, for the overlaid chart.
ChartSeries SeriesOf(const KeptString& string, bool metric);

// The weights of the counted shots: "15.00", or "14.30 - 15.00" when they differ; empty without
// a counted shot.
std::string WeightText(const KeptString& string, bool metric);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_HISTORY_FIGURES_H_
