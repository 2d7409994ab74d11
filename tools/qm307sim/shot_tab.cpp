#include "qm307sim/shot_tab.h"

#include <algorithm>

namespace tarvik::sim {

std::uint16_t PointerFor(std::uint64_t position) {
  const auto place = static_cast<std::uint16_t>(position % kTabPlaces);
  return position >= kTabPlaces ? static_cast<std::uint16_t>(place | kWrapFlag) : place;
}

ShotTab::ShotTab() : places_(kTabPlaces) {}

void ShotTab::Store(const Reading& reading) {
  At(stored_) = reading;
  ++stored_;
  if (Buffered() > kMaxBuffered) fired_ = stored_ - kMaxBuffered;
}

void ShotTab::RecordFired(const Reading& reading) {
  // Shift the waiting shots up one place and put the new one where the next pointer is.
  for (std::uint64_t position = stored_; position > fired_; --position) {
    At(position) = At(position - 1);
  }
  At(fired_) = reading;
  ++stored_;
  ++fired_;
}

std::optional<Reading> ShotTab::FireNext() {
  if (Buffered() == 0) return std::nullopt;
  const Reading reading = At(fired_);
  ++fired_;
  return reading;
}

std::uint64_t ShotTab::StepBack(std::uint64_t places) {
  const std::uint64_t moved = std::min(places, Previous());
  fired_ -= moved;
  return moved;
}

void ShotTab::Reset() {
  stored_ = 0;
  fired_ = 0;
}

std::uint64_t ShotTab::LowestNext() const {
  // The ring still holds the last kTabPlaces shots, but the bound on waiting shots stops one
  // place earlier.
  return stored_ > kMaxBuffered ? stored_ - kMaxBuffered : 0;
}

}  // namespace tarvik::sim
