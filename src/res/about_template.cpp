#include "res/about_template.h"

#include <array>
#include <string_view>

namespace tarvik {
namespace {

using enum ControlKind;

using templates::Id;

// The maker and its address are fictional.
constexpr std::string_view kNotice = "(c) 2026 Dorvex Instruments, Tarvik team";
constexpr std::string_view kWebAddress = "www.dorvex.example";

// A centred line, as wide as its text needs: the German lines are wider.
struct Line {
  std::string_view text;
  int x, width;
};

struct AboutTexts {
  Line product, free, see_latest;
};

constexpr std::array<ControlTemplate, 8> Controls(const AboutTexts& t) {
  return {
      ControlTemplate{Id(AboutId::kOk), kPushButton, "OK", 102, 59, 50, 14},
      ControlTemplate{kNoControlId, kTextCentered, t.product.text, t.product.x, 4, t.product.width,
                      8},
      ControlTemplate{kNoControlId, kTextCentered, kNotice, 32, 16, 200, 8},
      ControlTemplate{kNoControlId, kTextCentered, t.free.text, t.free.x, 24, t.free.width, 8},
      ControlTemplate{kNoControlId, kTextCentered, t.see_latest.text, t.see_latest.x, 39,
                      t.see_latest.width, 8},
      ControlTemplate{kNoControlId, kTextCentered, kWebAddress, 88, 47, 92, 8},
      ControlTemplate{kNoControlId, kTextCentered, "Build-G", 4, 40, 56, 8},
      ControlTemplate{Id(AboutId::kVersion), kTextCentered, "00.00.00", 4, 48, 56, 8},
  };
}

constexpr auto kNeutralControls =
    Controls({{"Support software for DORVEX qm-307 chronoscope", 32, 200},
              {"This program may be copied and passed on freely", 32, 200},
              {"for most current version see", 80, 108}});
constexpr auto kGermanControls =
    Controls({{"Unterstützungs Software für DORVEX qm-307 chronoscope", 30, 204},
              {"Dieses Programm darf frei kopiert und weitergegeben werden", 11, 218},
              {"für die aktuellste Version besuchen Sie bitte", 60, 164}});

constexpr DialogTemplate kNeutral{"About", "", 240, 78, "MS Sans Serif", 8, kNeutralControls};
constexpr DialogTemplate kGerman{"About", "", 240, 78, "MS Sans Serif", 8, kGermanControls};

}  // namespace

const DialogTemplate& AboutTemplate(UiLanguage language) {
  return language == UiLanguage::kGerman ? kGerman : kNeutral;
}

}  // namespace tarvik
