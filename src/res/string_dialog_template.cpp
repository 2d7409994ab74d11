#include "res/string_dialog_template.h"

#include <array>
#include <string_view>

namespace tarvik {
namespace {

using enum ControlKind;
using S = StringDialogId;

using templates::Id;
constexpr std::string_view kFont = "MS Sans Serif";

struct NamingTexts {
  std::string_view name, notes, hint, ok, cancel, help;
};
constexpr NamingTexts kNeutralTexts{"&Name:", "N&otes:", "Pellet, weight, gun and setup",
                                    "OK",     "Cancel",  "Help"};
constexpr NamingTexts kGermanTexts{"&Name:", "N&otizen:", "Diabolo, Gewicht, Waffe und Aufbau",
                                   "OK",     "Abbrechen", "Hilfe"};

// The labels stand left of their edits, which take the dialog's width; the hint under the notes
// says what they are for.
constexpr std::array<ControlTemplate, 8> Controls(const NamingTexts& t) {
  return {
      ControlTemplate{kNoControlId, kText, t.name, 6, 8, 38, 8},
      ControlTemplate{Id(S::kName), kEdit, "", 46, 6, 208, 12},
      ControlTemplate{kNoControlId, kText, t.notes, 6, 26, 38, 8},
      ControlTemplate{Id(S::kNotes), kEdit, "", 46, 24, 208, 12},
      ControlTemplate{kNoControlId, kText, t.hint, 46, 38, 208, 8},
      ControlTemplate{Id(S::kOk), kPushButton, t.ok, 94, 56, 50, 14},
      ControlTemplate{Id(S::kCancel), kPushButton, t.cancel, 148, 56, 50, 14},
      ControlTemplate{Id(S::kHelp), kPushButton, t.help, 204, 56, 50, 14},
  };
}

constexpr auto kNeutralControls = Controls(kNeutralTexts);
constexpr auto kGermanControls = Controls(kGermanTexts);

constexpr int kWidth = 260;
constexpr int kHeight = 76;
constexpr DialogTemplate kNeutralNew{"StringNaming",  "New string", kWidth, kHeight, kFont, 8,
                                     kNeutralControls};
constexpr DialogTemplate kNeutralRename{
    "StringNaming", "Name and notes", kWidth, kHeight, kFont, 8, kNeutralControls};
constexpr DialogTemplate kGermanNew{"StringNaming", "Neue Serie", kWidth, kHeight, kFont, 8,
                                    kGermanControls};
constexpr DialogTemplate kGermanRename{
    "StringNaming", "Name und Notizen", kWidth, kHeight, kFont, 8, kGermanControls};

}  // namespace

const DialogTemplate& StringDialogTemplate(UiLanguage language, StringDialogKind kind) {
  const bool rename = kind == StringDialogKind::kRename;
  if (language == UiLanguage::kGerman) return rename ? kGermanRename : kGermanNew;
  return rename ? kNeutralRename : kNeutralNew;
}

}  // namespace tarvik
