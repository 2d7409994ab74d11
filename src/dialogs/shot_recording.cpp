#include "dialogs/shot_recording.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/ascii.h"
#include "history/kept_string.h"
#include "measure/units.h"
#include "res/string_table.h"

namespace tarvik {

ShotRecording::ShotRecording(HistoryFolder& folder, const Clock& clock, const AppState& state)
    : folder_(folder), clock_(clock), state_(state), recorder_(folder, clock) {}

void ShotRecording::RecordShot(const Shot& shot, const LocalTime& time) {
  KeptShot kept;
  kept.time = time;
  kept.velocity = shot.velocity;
  kept.energy = shot.energy;
  kept.weight = state_.settings.weight;
  kept.calibration = state_.settings.calibration;
  kept.count = shot.count;
  kept.mark = shot.mark;
  recorder_.RecordShot(kept);
  Changed();
}

void ShotRecording::RecordUndo() {
  recorder_.RecordUndo(clock_.LocalNow());
  Changed();
}

void ShotRecording::RecordLeftOut(std::span<const std::int32_t> rows, bool left_out) {
  recorder_.RecordLeftOut(rows, left_out, clock_.LocalNow());
  Changed();
}

void ShotRecording::RecordLoaded(std::int32_t first) {
  const ShotSeries& series = state_.series;
  if (first >= series.row_count()) return;
  std::vector<KeptShot> loaded;
  loaded.reserve(static_cast<std::size_t>(series.row_count() - first));
  for (std::int32_t row = first; row < series.row_count(); ++row) {
    KeptShot kept;
    kept.velocity = series.row(row).velocity();
    kept.weight = state_.settings.weight;
    kept.energy = FlooredShotEnergy(kept.velocity, kept.weight);
    kept.calibration = state_.settings.calibration;
    kept.loaded = true;
    loaded.push_back(kept);
  }
  recorder_.RecordShots(loaded);
  Changed();
}

void ShotRecording::StartString(std::string name, std::string notes) {
  recorder_.StartString(std::move(name), std::move(notes));
}

void ShotRecording::Changed() {
  const std::string& id = recorder_.current_id();
  if (!id.empty() && std::ranges::find(changes_.ids, id) == changes_.ids.end()) {
    changes_.ids.push_back(id);
  }
}

std::optional<ShotRecording::Changes> ShotRecording::Tick() {
  const std::int64_t now = clock_.NowMs();
  if (recorder_.holding() && now - last_retry_ms_ >= kRetryPeriodMs) {
    last_retry_ms_ = now;
    const std::size_t held = recorder_.held_records();
    recorder_.Retry();
    if (recorder_.held_records() < held) changes_.others = true;
  }
  if (changes_.ids.empty() && !changes_.others) return std::nullopt;
  if (last_told_ms_ && now - *last_told_ms_ < kRetryPeriodMs) return std::nullopt;
  last_told_ms_ = now;
  return std::exchange(changes_, {});
}

std::optional<std::string> ShotRecording::TakeMessage() {
  const UiLanguage language = state_.language;
  switch (recorder_.TakeNotice()) {
    case RecorderNotice::kNone:
      return std::nullopt;
    case RecorderNotice::kCannotWrite: {
      std::string text(TextOrMissing(kStrHistoryNotWritten, language));
      text += std::string(kLineBreak) + folder_.Path();
      if (const auto& error = recorder_.last_error(); error && !error->text.empty()) {
        text += std::string(kLineBreak) + error->text;
      }
      return text;
    }
    case RecorderNotice::kWritingAgain:
      return std::string(TextOrMissing(kStrHistoryWrittenAgain, language));
    case RecorderNotice::kShared:
      return std::string(TextOrMissing(kStrHistoryShared, language));
  }
  return std::nullopt;
}

}  // namespace tarvik
