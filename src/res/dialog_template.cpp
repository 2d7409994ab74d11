#include "res/dialog_template.h"

namespace tarvik {
namespace {

// value · numerator / denominator, rounded half away from zero, as the platform's MulDiv does.
int MulDiv(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

DialogBaseUnits BaseUnitsFromFont(int width_of_52_letters, int font_height) {
  return {(width_of_52_letters / 26 + 1) / 2, font_height};
}

PixelRect ToPixels(int x, int y, int width, int height, DialogBaseUnits base) {
  return {MulDiv(x, base.x, 4), MulDiv(y, base.y, 8), MulDiv(width, base.x, 4),
          MulDiv(height, base.y, 8)};
}

}  // namespace tarvik
