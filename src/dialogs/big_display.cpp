#include "dialogs/big_display.h"

#include <cmath>
#include <cstdint>

#include "base/number_text.h"
#include "measure/shot.h"
#include "measure/units.h"

namespace tarvik {
namespace {

constexpr int kHeavyWeight = 900;

// A text that would not fit the display's 20-character buffer, which only absurd settings
// reach, shows as the overflow mark rather than overrun or mislead.
std::string Fitted(std::string text) {
  return FitText(std::move(text), kShortTextSize).value_or(kOverflowText);
}

}  // namespace

std::string BigVelocityText(double fps, bool metric) {
  if (metric) return Fitted(FormatFixed(fps * kMetresPerFoot, 1));
  // Beyond 64 bits the cut to an integer is undefined; such a value cannot fit anyway.
  if (!(std::fabs(fps) < 1e18)) return kOverflowText;
  return Fitted(FormatInt(static_cast<std::int64_t>(fps)));
}

std::string BigEnergyText(double ft_lbs, bool metric) {
  return Fitted(FormatFixed(EnergyForDisplay(ft_lbs, metric), 2));
}

void PaintBigDisplay(Canvas& canvas, const LastShot& shot, const AppSettings& settings,
                     UiLanguage language) {
  const CanvasSize size = canvas.ClientSize();
  const int w = size.width;
  const int h = size.height;
  canvas.SetTextColor(kBlack);
  const int hint_height = DrawResizeHint(canvas, language);
  canvas.SelectFont({h / 2, w / 6, kHeavyWeight});
  if (AboveLegalLimit(shot.energy, settings.legal_limit)) canvas.SetTextColor(kRed);
  // Without the single-line flag the vertical centring has no effect: the digits stand at the
  // top of each half, which is how the display has always looked.
  constexpr unsigned kFormat = text_format::kCenter | text_format::kVCenter;
  canvas.DrawText(BigVelocityText(shot.velocity, settings.metric), {0, 0, w, h / 2}, kFormat);
  canvas.DrawText(BigEnergyText(shot.energy, settings.metric), {0, h / 2, w, h - hint_height},
                  kFormat);
  canvas.SelectDefaultFont();
}

}  // namespace tarvik
