#include "settings/settings_store.h"

#include <tuple>

#include "base/number_text.h"

namespace tarvik {
namespace {

// Reads the entries of the settings table into the records; a value the store has no usable
// text for keeps the default of its fresh record (a boolean: the value held).
class SettingsLoader {
 public:
  SettingsLoader(SettingsStore& store, AppSettings& settings, LastShot& last_shot)
      : store_(store), settings_(settings), last_shot_(last_shot) {}

  void Load(const TextSetting* setting) {
    Held(setting->held) = store_.ReadStoredText(setting->name).value_or(Initial(setting->held));
  }
  void Load(const BoolSetting* setting) {
    bool& held = Held(setting->held);
    held = store_.ReadSettingBool(setting->name, held);
  }
  void Load(const IntegerSetting* setting) {
    const std::optional<std::string> text = store_.ReadStoredText(setting->name);
    Held(setting->held) = text ? ParseInteger(*text) : Initial(setting->held);
  }
  template <typename Record>
  void Load(const DecimalSetting<Record>* setting) {
    const std::string_view name = setting->read_name.empty() ? setting->name : setting->read_name;
    const std::optional<std::string> text = store_.ReadStoredText(name);
    Held(setting->held) = text ? ParseDecimal(*text) : Initial(setting->held);
  }

 private:
  template <typename Value>
  Value& Held(Value AppSettings::*held) {
    return settings_.*held;
  }
  template <typename Value>
  Value& Held(Value LastShot::*held) {
    return last_shot_.*held;
  }
  template <typename Value>
  const Value& Initial(Value AppSettings::*held) const {
    return initial_settings_.*held;
  }
  template <typename Value>
  const Value& Initial(Value LastShot::*held) const {
    return initial_shot_.*held;
  }

  SettingsStore& store_;
  AppSettings& settings_;
  LastShot& last_shot_;
  const AppSettings initial_settings_;
  const LastShot initial_shot_;
};

}  // namespace

std::optional<std::string> SettingsStore::ReadStoredText(std::string_view name) {
  if (backend_ == nullptr) return std::nullopt;
  const std::optional<SettingValue> value = backend_->QueryValue(name);
  if (!value || value->type != SettingValue::Type::kText || value->text.size() >= kReadBufferSize) {
    return std::nullopt;
  }
  // A stored text ends at its terminator, as the registry gives it back.
  return value->text.substr(0, value->text.find('\0'));
}

std::string SettingsStore::ReadSettingText(std::string_view name, std::string_view default_text) {
  std::optional<std::string> text = ReadStoredText(name);
  return text ? std::move(*text) : std::string(default_text);
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

void SettingsStore::EndBatchDeferred() {
  if (backend_ != nullptr) backend_->EndBatchDeferred();
}

void SettingsStore::WriteDeferred() {
  if (backend_ != nullptr) backend_->WriteDeferred();
}

std::unique_ptr<SettingsStore> OpenSettingsStore(std::unique_ptr<SettingsBackend> backend) {
  return std::make_unique<SettingsStore>(std::move(backend));
}

void CloseSettingsStore(std::unique_ptr<SettingsStore>& store) { store.reset(); }

void LoadSettings(SettingsStore& store, AppSettings& settings, LastShot& last_shot) {
  SettingsLoader loader(store, settings, last_shot);
  std::apply([&loader](const auto*... entry) { (loader.Load(entry), ...); }, setting::kLoadOrder);
}

void ReadWindowPlacement(SettingsStore& store, const setting::PlacementNames& names,
                         WindowPlacement& placement) {
  placement.x = store.ReadSettingDword(names.x, placement.x);
  placement.y = store.ReadSettingDword(names.y, placement.y);
  placement.width = store.ReadSettingDword(names.width, placement.width);
  placement.height = store.ReadSettingDword(names.height, placement.height);
}

void WriteWindowPlacement(SettingsWriter& store, const setting::PlacementNames& names,
                          const WindowPlacement& frame) {
  SettingsBatch placement(store);
  store.WriteSettingDword(names.x, frame.x);
  store.WriteSettingDword(names.y, frame.y);
  store.WriteSettingDword(names.width, frame.width);
  store.WriteSettingDword(names.height, frame.height);
}

}  // namespace tarvik
