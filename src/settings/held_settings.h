// The settings and the last shot as the program holds them, with the setters that change them:
// each changes the held value and writes it to the store in one step, in the form the settings
// table gives it. A value may also change in memory alone and be written later by its setter, as
// the configuration sheet does with a typed calibration and a port put in force while it is open.
#ifndef TARVIK_SETTINGS_HELD_SETTINGS_H_
#define TARVIK_SETTINGS_HELD_SETTINGS_H_

#include <cstdint>
#include <string>

#include "settings/app_settings.h"
#include "settings/setting_table.h"
#include "settings/settings_writer.h"

namespace tarvik {

class HeldSettings {
 public:
  HeldSettings(AppSettings& settings, LastShot& last_shot, SettingsWriter& store)
      : settings_(settings), last_shot_(last_shot), store_(store) {}

  void Set(const TextSetting& setting, std::string value);
  void Set(const BoolSetting& setting, bool value);
  void Set(const IntegerSetting& setting, std::int32_t value);
  // A weight or a limit the user typed. No number (0) and the value held change nothing, nor does
  // a value whose stored text would not read back as itself (an infinity, or a text too long for
  // a field): what is held is always what the store gives back.
  void SetTyped(const DecimalSetting<AppSettings>& setting, double value);
  // A value of the last shot. One whose text would not fit is held but not written: the store
  // keeps its previous text rather than one that reads back as another.
  void Set(const DecimalSetting<LastShot>& setting, double value);

 private:
  AppSettings& settings_;
  LastShot& last_shot_;
  SettingsWriter& store_;
};

}  // namespace tarvik

#endif  // TARVIK_SETTINGS_HELD_SETTINGS_H_
