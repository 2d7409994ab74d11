// The configuration sheet's four pages: General (the port, the units, the legal limit, the
// calibration), Log, Sound and Tab. Each page works on copies of its settings taken when it is
// made and commits them when the sheet applies; two changes take effect at once instead: a typed
// calibration, and a configured port that is no longer present, replaced by the first present.
#ifndef TARVIK_DIALOGS_CONFIG_PAGES_H_
#define TARVIK_DIALOGS_CONFIG_PAGES_H_

#include <string>

#include "base/dialog_view.h"
#include "base/file_dialog.h"
#include "base/help_viewer.h"
#include "base/message_box.h"
#include "base/sound.h"
#include "dialogs/app_state.h"
#include "dialogs/property_sheet.h"
#include "dialogs/tab_controller.h"
#include "dialogs/window_factory.h"
#include "res/config_templates.h"
#include "settings/held_settings.h"

namespace tarvik {

// What the pages reach besides the records.
struct ConfigServices {
  HeldSettings& settings;  // what a page applies goes through its setters
  SoundPlayer& sound;
  MessageBoxView& message_box;
  FileDialogs& file_dialogs;
  HelpViewer& help;
  TabController& tab;  // the Tab page's exchanges
};

// A page's logic on its view, with the help gestures every page answers.
class ConfigPage : public PropertyPage {
 public:
  ConfigPage(DialogSurface& surface, SheetFrame& frame, AppState& state,
             const ConfigServices& services)
      : view_(surface), frame_(frame), state_(state), services_(services) {}

  void Command(int id, Notification notification) final {
    if (filling_) return;  // the page's own writes
    OnCommand(static_cast<ConfigId>(id), notification);
  }
  void HelpRequested(int control, HelpGesture gesture) final;

 protected:
  virtual void OnCommand(ConfigId id, Notification notification) = 0;
  // Something has changed: Apply becomes available.
  void MarkChanged() { frame_.MarkSheetChanged(); }
  // The field's text, at most `length` characters of it.
  std::string FieldText(ConfigId id, std::size_t length) const {
    return view_.GetItemText(id).substr(0, length);
  }

  DialogView<ConfigId> view_;
  SheetFrame& frame_;
  AppState& state_;
  ConfigServices services_;
  bool filling_ = false;  // the page is writing its own controls
};

class GeneralPage final : public ConfigPage {
 public:
  using ConfigPage::ConfigPage;
  void Initialize() override;
  // Lists the ports present and selects the one in use (or the first, which is put in force at
  // once when the one in use is missing), then shows the units, the limit and the calibration.
  void SetActive() override;
  void Apply() override;

 protected:
  void OnCommand(ConfigId id, Notification notification) override;

 private:
  void ShowLimit();

  std::string port_;
  bool metric_ = false;
  double limit_ = 0.0;  // ft.lbs
};

class LogPage final : public ConfigPage {
 public:
  using ConfigPage::ConfigPage;
  void Initialize() override;
  void SetActive() override;
  void KillActive() override;
  void Apply() override;
  void Reset() override { Initialize(); }

 protected:
  void OnCommand(ConfigId id, Notification notification) override;

 private:
  std::string file_;
  bool logging_ = false;
};

class SoundPage final : public ConfigPage {
 public:
  using ConfigPage::ConfigPage;
  void Initialize() override;
  void SetActive() override;
  void KillActive() override;
  void Apply() override;

 protected:
  void OnCommand(ConfigId id, Notification notification) override;

 private:
  void Browse(ConfigId field);

  bool sound_ = false;
  std::string legal_;
  std::string fac_;
};

// The memory tab's version and pointers, and its reset.
class TabPage final : public ConfigPage {
 public:
  using ConfigPage::ConfigPage;
  void Initialize() override { ShowTabStatus(); }

 protected:
  void OnCommand(ConfigId id, Notification notification) override;

 private:
  void ShowTabStatus();
};

// Runs the "Configuration" sheet over the main window; returns when it has closed.
int RunConfigurationSheet(WindowFactory& windows, AppState& state, const ConfigServices& services);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_CONFIG_PAGES_H_
