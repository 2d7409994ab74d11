// The instrument generation ("mark"), told by how many digits a reading has, and the timing
// constant its velocity is computed with.
#ifndef TARVIK_LINK_HARDWARE_MARK_H_
#define TARVIK_LINK_HARDWARE_MARK_H_

#include <cstdint>

namespace tarvik {

enum class HardwareMark { kMark12 = 1, kMark3 = 3, kMark4 = 4 };

inline constexpr double kMark12TimingConstant = 792133.0;
inline constexpr double kMark3TimingConstant = 789800.0;
inline constexpr double kMark4TimingConstant = 795300.0;

// 4 or 5 digits: mark 1/2; 6 digits: mark 3; anything else: mark 4.
HardwareMark MarkForDigits(std::int32_t digits);
// "1/2", "3" or "4", as the main window's "Mk" field shows it.
const char* MarkLabel(HardwareMark mark);
double TimingConstant(HardwareMark mark);

}  // namespace tarvik

#endif  // TARVIK_LINK_HARDWARE_MARK_H_
