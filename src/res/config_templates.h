// The configuration sheet's pages: "GeneralProp", "LogProp" and "SoundProp" in the neutral
// (English) set and the German set, "TabProp" in English only. Their control identifiers are
// distinct across the pages, so one enum serves them all.
#ifndef TARVIK_RES_CONFIG_TEMPLATES_H_
#define TARVIK_RES_CONFIG_TEMPLATES_H_

#include "res/dialog_template.h"
#include "res/string_table.h"

namespace tarvik {

enum class ConfigId : int {
  // General.
  kPortList = 220,
  kPortLabel = 221,
  kCommunicationsGroup = 222,
  kLimit = 230,
  kLimitUnit = 231,
  kLawGroup = 232,
  kMetric = 240,
  kUnitsGroup = 241,
  kCalibration = 245,
  // Log.
  kLogFile = 250,
  kLogFileLabel = 251,
  kUseLogging = 260,
  kBrowseLog = 270,
  // Sound.
  kUseSound = 280,
  kLegalSound = 290,
  kLegalLabel = 291,
  kFacSound = 300,
  kFacLabel = 301,
  kPlayLegal = 310,
  kPlayFac = 320,
  kBrowseLegal = 330,
  kBrowseFac = 340,
  // Tab.
  kTabGroup = 197,
  kTabVersion = 360,
  kTabNext = 362,
  kTabEmpty = 364,
  kResetTab = 366,
};

const DialogTemplate& GeneralPageTemplate(UiLanguage language);
const DialogTemplate& LogPageTemplate(UiLanguage language);
const DialogTemplate& SoundPageTemplate(UiLanguage language);
const DialogTemplate& TabPageTemplate();

}  // namespace tarvik

#endif  // TARVIK_RES_CONFIG_TEMPLATES_H_
