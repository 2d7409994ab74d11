#include "settings/held_settings.h"

#include <cmath>
#include <optional>
#include <utility>

#include "base/number_text.h"

namespace tarvik {

namespace {

// A decimal's stored text, or nothing when it would not fit a field.
template <typename Record>
std::optional<std::string> StoredText(const DecimalSetting<Record>& setting, double value) {
  return FitText(FormatFixed(value, 2, setting.width), kFieldTextSize);
}

}  // namespace

void HeldSettings::Set(const TextSetting& setting, std::string value) {
  std::string& held = settings_.*setting.held;
  held = std::move(value);
  store_.WriteSettingText(setting.name, held);
}

void HeldSettings::Set(const BoolSetting& setting, bool value) {
  settings_.*setting.held = value;
  store_.WriteSettingBool(setting.name, value);
}

void HeldSettings::Set(const IntegerSetting& setting, std::int32_t value) {
  settings_.*setting.held = value;
  store_.WriteSettingText(setting.name, FormatInt(value));
}

void HeldSettings::SetTyped(const DecimalSetting<AppSettings>& setting, double value) {
  double& held = settings_.*setting.held;
  if (value == 0.0 || value == held || !std::isfinite(value)) return;
  const std::optional<std::string> text = StoredText(setting, value);
  if (!text) return;
  held = value;
  store_.WriteSettingText(setting.name, *text);
}

void HeldSettings::Set(const DecimalSetting<LastShot>& setting, double value) {
  last_shot_.*setting.held = value;
  if (const std::optional<std::string> text = StoredText(setting, value)) {
    store_.WriteSettingText(setting.name, *text);
  }
}

}  // namespace tarvik
