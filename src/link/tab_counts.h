// The shot-memory tab's two pointers read as counts: how many stored shots wait to be fired and
// how many earlier ones the tab can step back to. Bit 15 of each pointer is the tab's wrap flag,
// bits 0 to 14 a place among the tab's places. Every result is taken modulo 65536, so a
// difference that comes out negative wraps, as the tab group shows it.
#ifndef TARVIK_LINK_TAB_COUNTS_H_
#define TARVIK_LINK_TAB_COUNTS_H_

#include <cstdint>

namespace tarvik {

inline constexpr std::uint16_t kTabCapacity = 4095;

struct TabCounts {
  std::uint16_t buffered = 0;  // stored, not yet fired
  std::uint16_t previous = 0;  // stored before the next pointer

  friend bool operator==(const TabCounts&, const TabCounts&) = default;
};

TabCounts CountTabShots(std::uint16_t next, std::uint16_t empty,
                        std::uint16_t capacity = kTabCapacity);

}  // namespace tarvik

#endif  // TARVIK_LINK_TAB_COUNTS_H_
