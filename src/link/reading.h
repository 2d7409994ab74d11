// One reading of the instrument: the count of its timer ticks between the two sensors, and how
// many digits it arrived with (leading zeros included), which tells the instrument's generation.
#ifndef TARVIK_LINK_READING_H_
#define TARVIK_LINK_READING_H_

#include <cstdint>

namespace tarvik {

struct Reading {
  std::int32_t count = 0;   // at least 1
  std::int32_t digits = 0;  // digits received, leading zeros included

  friend bool operator==(const Reading&, const Reading&) = default;
};

}  // namespace tarvik

#endif  // TARVIK_LINK_READING_H_
