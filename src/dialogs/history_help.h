// The help topics of the history's windows: the history list with its commands, the comparison
// of the selected strings (the figures and the chart under the list), a kept string's window,
// and the name-and-notes dialog.
#ifndef TARVIK_DIALOGS_HISTORY_HELP_H_
#define TARVIK_DIALOGS_HISTORY_HELP_H_

#include "dialogs/table_window.h"

namespace tarvik {

inline constexpr int kHistoryContext = 1310;
inline constexpr int kComparisonContext = 1311;
inline constexpr int kKeptStringContext = 1312;
inline constexpr int kStringNamingContext = 1313;

constexpr int HistoryHelpContext(TablePart part) {
  switch (part) {
    case TablePart::kFigures:
    case TablePart::kChart:
      return kComparisonContext;
    case TablePart::kTable:
    case TablePart::kButton:
      break;
  }
  return kHistoryContext;
}

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_HISTORY_HELP_H_
