#include "dialogs/config_pages.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "base/number_text.h"
#include "dialogs/help.h"
#include "link/tab_protocol.h"
#include "measure/units.h"
#include "res/string_table.h"
#include "settings/setting_table.h"

namespace tarvik {
namespace {

using C = ConfigId;

// What the fields are read with, terminator excluded.
constexpr std::size_t kShortFieldLength = kShortTextSize - 1;  // limit, calibration
constexpr std::size_t kPathLength = 259;                       // file names

constexpr std::array kLogFilters = {FileFilter{"Log files", "*.log"},
                                    FileFilter{"All files", "*.*"}};
constexpr std::array kSoundFilters = {FileFilter{"Wav files", "*.wav"},
                                      FileFilter{"All files", "*.*"}};

// "0x%04X": the whole 16 bits as four uppercase hexadecimal digits.
std::string Hex4(std::uint16_t value) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x0000";
  for (int i = 5; i >= 2; --i, value >>= 4) text[i] = kDigits[value & 0xF];
  return text;
}

}  // namespace

void ConfigPage::HelpRequested(int control, HelpGesture gesture) {
  ShowControlHelp(services_.help, static_cast<ConfigId>(control), gesture);
}

// General.

void GeneralPage::Initialize() {
  const AppSettings& settings = state_.settings;
  metric_ = settings.metric;
  limit_ = settings.legal_limit;
  port_ = settings.port_name;
}

void GeneralPage::SetActive() {
  filling_ = true;
  view_.ClearList(C::kPortList);
  const std::vector<std::string> ports = state_.chronoscope.platform().EnumeratePorts(port_);
  for (const std::string& port : ports) view_.AddListItem(C::kPortList, port);
  const auto in_use = std::find(ports.begin(), ports.end(), port_);
  if (in_use == ports.end()) {
    if (!ports.empty()) port_ = ports.front();
    MarkChanged();
    state_.settings.port_name = port_;  // in force for the link reopened after the sheet
    view_.SelectListItem(C::kPortList, 0);
  } else {
    view_.SelectListItem(C::kPortList, static_cast<int>(in_use - ports.begin()));
  }
  view_.CheckItem(C::kMetric, metric_);
  ShowLimit();
  view_.SetItemUnsigned(C::kCalibration, static_cast<std::uint32_t>(state_.settings.calibration));
  filling_ = false;
}

void GeneralPage::ShowLimit() {
  view_.SetItemText(C::kLimit, FormatFixed(EnergyForDisplay(limit_, metric_), 2));
  view_.SetItemText(C::kLimitUnit, LimitUnitLabel(metric_));
}

void GeneralPage::OnCommand(ConfigId id, Notification notification) {
  switch (id) {
    case C::kPortList:
      if (notification != Notification::kSelectionChanged) return;
      port_ = view_.SelectedListText(C::kPortList);
      MarkChanged();
      break;
    case C::kLimit:
      if (notification != Notification::kTextChanged) return;
      limit_ =
          LimitFromDisplay(ParseTypedDecimal(FieldText(C::kLimit, kShortFieldLength)), metric_);
      MarkChanged();
      break;
    case C::kMetric:
      MarkChanged();
      metric_ = view_.IsItemChecked(C::kMetric);
      // The limit's text is read back as it is written: the limit is rounded to two decimals
      // of the unit now chosen.
      ShowLimit();
      break;
    case C::kCalibration:
      if (notification != Notification::kTextChanged) return;
      // In force at once, for the shots decoded while the sheet is still open too.
      state_.settings.calibration = ParseInteger(FieldText(C::kCalibration, kShortFieldLength));
      MarkChanged();
      break;
    default:
      break;
  }
}

// The calibration has been in force since it was typed; it is stored now.
void GeneralPage::Apply() {
  HeldSettings& settings = services_.settings;
  settings.Set(setting::kPortName, port_);
  settings.Set(setting::kMetric, metric_);
  // An absurd typed limit ("1e400" is infinite) is not taken: its text would load as no limit.
  settings.SetTyped(setting::kLaw, limit_);
  settings.Set(setting::kCalibrate, state_.settings.calibration);
}

// Log.

void LogPage::Initialize() {
  file_ = state_.settings.log_file;
  logging_ = state_.settings.logging;
}

void LogPage::SetActive() {
  filling_ = true;
  view_.SetItemText(C::kLogFile, file_);
  view_.CheckItem(C::kUseLogging, logging_);
  filling_ = false;
}

void LogPage::KillActive() {
  file_ = FieldText(C::kLogFile, kPathLength);
  logging_ = view_.IsItemChecked(C::kUseLogging);
}

void LogPage::Apply() {
  services_.settings.Set(setting::kLogFile, file_);
  services_.settings.Set(setting::kLogging, logging_);
}

void LogPage::OnCommand(ConfigId id, Notification notification) {
  switch (id) {
    case C::kLogFile:
      if (notification == Notification::kTextChanged) MarkChanged();
      break;
    case C::kUseLogging:
      MarkChanged();
      break;
    case C::kBrowseLog:
      // The dialog starts from the name held when the page became active, not from what has
      // been typed since.
      file_ = services_.file_dialogs.ChooseFile(
          {TextOrMissing(kStrSelectLogFile, state_.language), kLogFilters, file_});
      view_.SetItemText(C::kLogFile, file_);
      MarkChanged();
      break;
    default:
      break;
  }
}

// Sound.

void SoundPage::Initialize() {
  sound_ = state_.settings.sound;
  legal_ = state_.settings.sound_legal;
  fac_ = state_.settings.sound_fac;
}

void SoundPage::SetActive() {
  filling_ = true;
  view_.CheckItem(C::kUseSound, sound_);
  view_.SetItemText(C::kLegalSound, legal_);
  view_.SetItemText(C::kFacSound, fac_);
  filling_ = false;
}

void SoundPage::KillActive() {
  sound_ = view_.IsItemChecked(C::kUseSound);
  legal_ = FieldText(C::kLegalSound, kPathLength);
  fac_ = FieldText(C::kFacSound, kPathLength);
}

void SoundPage::Apply() {
  HeldSettings& settings = services_.settings;
  settings.Set(setting::kSound, sound_);
  settings.Set(setting::kSoundLegal, legal_);
  settings.Set(setting::kSoundFac, fac_);
}

void SoundPage::Browse(ConfigId field) {
  const std::string chosen =
      services_.file_dialogs.ChooseFile({TextOrMissing(kStrSelectSoundFile, state_.language),
                                         kSoundFilters, FieldText(field, kPathLength)});
  view_.SetItemText(field, chosen);
  MarkChanged();
}

void SoundPage::OnCommand(ConfigId id, Notification notification) {
  switch (id) {
    case C::kUseSound:
      MarkChanged();
      break;
    case C::kLegalSound:
    case C::kFacSound:
      if (notification == Notification::kTextChanged) MarkChanged();
      break;
    case C::kPlayLegal:
      // The field as it stands, applied or not; the page waits for the sound's end.
      services_.sound.PlayFileSync(FieldText(C::kLegalSound, kPathLength));
      break;
    case C::kPlayFac:
      services_.sound.PlayFileSync(FieldText(C::kFacSound, kPathLength));
      break;
    case C::kBrowseLegal:
      Browse(C::kLegalSound);
      break;
    case C::kBrowseFac:
      Browse(C::kFacSound);
      break;
    default:
      break;
  }
}

// Tab.

void TabPage::ShowTabStatus() {
  const bool answered = services_.tab.Query();
  if (answered) {
    const TabStatus& tab = services_.tab.status();
    view_.SetItemText(C::kTabVersion,
                      tab.version == '\0' ? std::string() : std::string(1, tab.version));
    view_.SetItemText(C::kTabNext, Hex4(tab.next));
    view_.SetItemText(C::kTabEmpty, Hex4(tab.empty));
  }
  view_.EnableItem(C::kResetTab, answered);
}

void TabPage::OnCommand(ConfigId id, Notification /*notification*/) {
  if (id != C::kResetTab) return;
  const ResetOutcome outcome = services_.tab.Reset();
  const char* text = outcome == ResetOutcome::kReset      ? "Tab reset"
                     : outcome == ResetOutcome::kNotReset ? "Unable to reset tab"
                                                          : "No serial communications";
  services_.message_box.ShowMessage(text, "Tarvik");
  ShowTabStatus();
}

int RunConfigurationSheet(WindowFactory& windows, AppState& state, const ConfigServices& services) {
  auto page = [&state, &services]<typename Page>(int title, const DialogTemplate& dialog) {
    return SheetPage{std::string(TextOrMissing(title, state.language)), &dialog,
                     [&state, &services](DialogSurface& surface, SheetFrame& frame) {
                       return std::unique_ptr<PropertyPage>(
                           std::make_unique<Page>(surface, frame, state, services));
                     }};
  };
  std::vector<SheetPage> pages;
  pages.push_back(page.operator()<GeneralPage>(kStrGeneral, GeneralPageTemplate(state.language)));
  pages.push_back(page.operator()<LogPage>(kStrLog, LogPageTemplate(state.language)));
  pages.push_back(page.operator()<SoundPage>(kStrSound, SoundPageTemplate(state.language)));
  pages.push_back(page.operator()<TabPage>(kStrTab, TabPageTemplate()));
  return windows.RunPropertySheet(TextOrMissing(kStrConfiguration, state.language),
                                  std::move(pages));
}

}  // namespace tarvik
