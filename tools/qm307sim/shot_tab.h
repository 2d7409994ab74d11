// The instrument's shot-memory module, the "tab": a ring of 4095 places that keeps every shot
// and a next pointer to the first shot not yet fired to the computer. Positions are absolute
// counts since the last reset; a pointer on the line is a position folded onto the ring, with
// bit 15 set once the position has gone round the ring at least once.
#ifndef TARVIK_TOOLS_QM307SIM_SHOT_TAB_H_
#define TARVIK_TOOLS_QM307SIM_SHOT_TAB_H_

#include <cstdint>
#include <optional>
#include <vector>

#include "qm307sim/reading.h"

namespace tarvik::sim {

inline constexpr std::uint64_t kTabPlaces = 4095;
inline constexpr std::uint16_t kWrapFlag = 0x8000;
// At most this many shots wait to be fired. With a full ring of 4095 the two pointers would be
// equal once both have wrapped, and the program reads equal pointers as an empty tab.
inline constexpr std::uint64_t kMaxBuffered = kTabPlaces - 1;

// The 16-bit pointer of an absolute position.
std::uint16_t PointerFor(std::uint64_t position);

class ShotTab {
 public:
  ShotTab();

  // A shot fired while no computer listened: it waits in the ring. When the ring already holds
  // kMaxBuffered waiting shots, the oldest of them is given up (the next pointer moves on).
  void Store(const Reading& reading);
  // A shot sent to the computer as it was fired: kept in the ring as already fired, just
  // before the shots still waiting, which stay waiting in their order.
  void RecordFired(const Reading& reading);
  // The next waiting shot, which counts as fired from now on; nothing when none waits.
  std::optional<Reading> FireNext();
  // Moves the next pointer back by up to `places`, never to a shot the ring no longer holds
  // and never so far that more than kMaxBuffered shots would wait. Returns the places moved.
  std::uint64_t StepBack(std::uint64_t places);
  // Forgets every shot.
  void Reset();

  std::uint64_t stored() const { return stored_; }  // shots written since the reset
  std::uint64_t fired() const { return fired_; }    // absolute position of the next pointer
  std::uint64_t Buffered() const { return stored_ - fired_; }
  // How far StepBack can still go.
  std::uint64_t Previous() const { return fired_ - LowestNext(); }
  std::uint16_t NextPointer() const { return PointerFor(fired_); }
  std::uint16_t EmptyPointer() const { return PointerFor(stored_); }

 private:
  std::uint64_t LowestNext() const;
  Reading& At(std::uint64_t position) { return places_[position % kTabPlaces]; }

  std::vector<Reading> places_;
  std::uint64_t stored_ = 0;
  std::uint64_t fired_ = 0;
};

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_SHOT_TAB_H_
