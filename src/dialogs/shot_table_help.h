// The help topics of the shot table's parts: the table with its commands, the figures under
// it, and the chart.
#ifndef TARVIK_DIALOGS_SHOT_TABLE_HELP_H_
#define TARVIK_DIALOGS_SHOT_TABLE_HELP_H_

#include "dialogs/table_window.h"

namespace tarvik {

inline constexpr int kShotTableContext = 1300;
inline constexpr int kShotFiguresContext = 1301;
inline constexpr int kShotChartContext = 1302;

constexpr int ShotTableHelpContext(TablePart part) {
  switch (part) {
    case TablePart::kFigures:
      return kShotFiguresContext;
    case TablePart::kChart:
      return kShotChartContext;
    case TablePart::kTable:
    case TablePart::kButton:
      break;
  }
  return kShotTableContext;
}

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_SHOT_TABLE_HELP_H_
