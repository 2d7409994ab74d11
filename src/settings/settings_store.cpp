#include "settings/settings_store.h"

#include "base/number_text.h"

namespace tarvik {

std::string SettingsStore::ReadSettingText(std::string_view name, std::string_view default_text) {
  if (backend_ == nullptr) return std::string(default_text);
  const std::optional<SettingValue> value = backend_->QueryValue(name);
  if (!value || value->type != SettingValue::Type::kText || value->text.size() >= kReadBufferSize) {
    return std::string(default_text);
  }
  // A stored text ends at its terminator, as the registry gives it back.
  return value->text.substr(0, value->text.find('\0'));
}

bool SettingsStore::ReadSettingBool(std::string_view name, bool default_value) {
  const std::string text = ReadSettingText(name, default_value ? "TRUE" : "FALSE");
  if (text.empty()) return false;
  const char first = text.front();
  return first == '1' || first == 'T' || first == 'Y' || first == 't' || first == 'y';
}

std::int32_t SettingsStore::ReadSettingDword(std::string_view name, std::int32_t default_value) {
  if (backend_ == nullptr) return default_value;
  const std::optional<SettingValue> value = backend_->QueryValue(name);
  if (!value || value->type != SettingValue::Type::kNumber) return default_value;
  return static_cast<std::int32_t>(value->number);
}

void SettingsStore::WriteSettingText(std::string_view name, std::string_view text) {
  if (backend_ != nullptr) backend_->SetText(name, text);
}

void SettingsStore::WriteSettingBool(std::string_view name, bool value) {
  WriteSettingText(name, value ? "TRUE" : "FALSE");
}

void SettingsStore::WriteSettingDword(std::string_view name, std::int32_t value) {
  if (backend_ != nullptr) backend_->SetNumber(name, static_cast<std::uint32_t>(value));
}

void SettingsStore::BeginBatch() {
  if (backend_ != nullptr) backend_->BeginBatch();
}

void SettingsStore::EndBatch() {
  if (backend_ != nullptr) backend_->EndBatch();
}

std::unique_ptr<SettingsStore> OpenSettingsStore(std::unique_ptr<SettingsBackend> backend) {
  return std::make_unique<SettingsStore>(std::move(backend));
}

void CloseSettingsStore(std::unique_ptr<SettingsStore>& store) { store.reset(); }

void LoadSettings(SettingsStore& store, AppSettings& settings, LastShot& last_shot) {
  using namespace setting;
  settings.port_name = store.ReadSettingText(kPortName, "COM2");
  settings.weight = ParseDecimal(store.ReadSettingText(kWeight, "15.0"));
  settings.calibration = ParseInteger(store.ReadSettingText(kCalibrate, "100"));
  settings.logging = store.ReadSettingBool(kLogging, settings.logging);
  settings.log_file = store.ReadSettingText(kLogFile, "Tarvik.log");
  last_shot.velocity = ParseDecimal(store.ReadSettingText(kFps, "1234.0"));
  last_shot.energy = ParseDecimal(store.ReadSettingText(kPds, "12.34"));
  settings.legal_limit = ParseDecimal(store.ReadSettingText(kLawRead, "12.0"));
  settings.sound = store.ReadSettingBool(kSound, settings.sound);
  settings.metric = store.ReadSettingBool(kMetric, settings.metric);
  settings.sound_legal = store.ReadSettingText(kSoundLegal, "Airgun.wav");
  settings.sound_fac = store.ReadSettingText(kSoundFac, "Blurp.wav");
}

void ReadWindowPlacement(SettingsStore& store, const setting::PlacementNames& names,
                         WindowPlacement& placement) {
  placement.x = store.ReadSettingDword(names.x, placement.x);
  placement.y = store.ReadSettingDword(names.y, placement.y);
  placement.width = store.ReadSettingDword(names.width, placement.width);
  placement.height = store.ReadSettingDword(names.height, placement.height);
}

}  // namespace tarvik
