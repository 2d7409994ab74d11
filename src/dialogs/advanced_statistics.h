// The statistics window's behaviour: the number of shots, and minimum, maximum, average, range
// and RMS deviation of velocity and energy over all shots or the last N, in the units chosen.
// It has no data of its own: it reads the series and the settings each time it recomputes.
#ifndef TARVIK_DIALOGS_ADVANCED_STATISTICS_H_
#define TARVIK_DIALOGS_ADVANCED_STATISTICS_H_

#include <cstdint>
#include <functional>

#include "base/dialog_view.h"
#include "dialogs/app_state.h"
#include "res/statistics_template.h"

namespace tarvik {

class AdvancedStatistics final : public DialogLogic<StatisticsId> {
 public:
  static constexpr std::uint32_t kInitialLastCount = 10;

  // `selection_changed` is told when the user switches between all shots and the last N.
  AdvancedStatistics(DialogSurface& surface, const AppState& state,
                     std::function<void()> selection_changed = {});

  // N shows 10 and is not in use; the groups are titled with the units. Nothing is computed.
  void Initialize() override;
  // Fills the count and the ten figures from the series as it is now.
  void RecomputeStatistics();
  // Titles the groups with the units in force, then recomputes.
  void RelabelStatistics();
  // The number of last shots in use: 0 when all shots are used (N not ticked, empty, not a
  // number, 0, or not below the number of shots).
  std::uint32_t LastCountInUse() const;

 protected:
  void OnCommand(StatisticsId id, Notification notification) override;

 private:
  void TitleGroups();

  DialogView<StatisticsId> view_;
  const AppState& state_;
  std::function<void()> selection_changed_;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_ADVANCED_STATISTICS_H_
