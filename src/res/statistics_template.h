// The statistics window "Averages", in the neutral (English) set and the German set: the number
// of shots, then minimum, maximum, average, range and RMS deviation in two columns, velocity and
// energy, over all shots or the last N.
#ifndef TARVIK_RES_STATISTICS_TEMPLATE_H_
#define TARVIK_RES_STATISTICS_TEMPLATE_H_

#include "res/dialog_template.h"
#include "res/string_table.h"

namespace tarvik {

enum class StatisticsId : int {
  kShotCount = 500,
  kLastCount = 501,      // N, the number of last shots to use
  kUseLastOnly = 502,    // use only the last N shots
  kVelocityFirst = 503,  // 503 to 507: minimum, maximum, average, range, RMS
  kEnergyFirst = 508,    // 508 to 512, in the same order
  kVelocityGroup = 513,  // titled with the velocity unit
  kEnergyGroup = 514,    // and the energy unit
};

const DialogTemplate& StatisticsTemplate(UiLanguage language);

}  // namespace tarvik

#endif  // TARVIK_RES_STATISTICS_TEMPLATE_H_
