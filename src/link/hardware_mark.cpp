#include "link/hardware_mark.h"

namespace tarvik {

HardwareMark MarkForDigits(std::int32_t digits) {
  if (digits == 4 || digits == 5) return HardwareMark::kMark12;
  if (digits == 6) return HardwareMark::kMark3;
  return HardwareMark::kMark4;
}

const char* MarkLabel(HardwareMark mark) {
  switch (mark) {
    case HardwareMark::kMark12:
      return "1/2";
    case HardwareMark::kMark3:
      return "3";
    case HardwareMark::kMark4:
      break;
  }
  return "4";
}

double TimingConstant(HardwareMark mark) {
  switch (mark) {
    case HardwareMark::kMark12:
      return kMark12TimingConstant;
    case HardwareMark::kMark3:
      return kMark3TimingConstant;
    case HardwareMark::kMark4:
      break;
  }
  return kMark4TimingConstant;
}

}  // namespace tarvik
