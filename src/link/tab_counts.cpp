#include "link/tab_counts.h"

namespace tarvik {
namespace {

constexpr std::uint16_t kWrapFlag = 0x8000;

std::uint16_t Wrap(int value) { return static_cast<std::uint16_t>(value & 0xFFFF); }

}  // namespace

TabCounts CountTabShots(std::uint16_t next, std::uint16_t empty, std::uint16_t capacity) {
  const int n = next;
  const int e = empty;
  const int m = capacity;
  const int n_place = n & ~kWrapFlag;
  const int e_place = e & ~kWrapFlag;
  if ((n & kWrapFlag) == 0) {
    const std::uint16_t buffered = (e & kWrapFlag) == 0 ? Wrap(e - n) : Wrap(e_place + m - n);
    return {buffered, Wrap(n)};
  }
  // Both pointers compare whole, flag bit included.
  if (n == e) return {0, Wrap(m)};
  const std::uint16_t buffered = n < e ? Wrap(e_place - n_place) : Wrap(e_place - n_place + m);
  return {buffered, Wrap(m - buffered)};
}

}  // namespace tarvik
