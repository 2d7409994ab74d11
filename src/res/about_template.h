// The About box "About", in the neutral (English) set and the German set.
#ifndef TARVIK_RES_ABOUT_TEMPLATE_H_
#define TARVIK_RES_ABOUT_TEMPLATE_H_

#include "res/dialog_template.h"
#include "res/string_table.h"

namespace tarvik {

enum class AboutId : int {
  kOk = 1,
  kCancel = 2,  // what Escape gives
  kVersion = 400,
};

const DialogTemplate& AboutTemplate(UiLanguage language);

}  // namespace tarvik

#endif  // TARVIK_RES_ABOUT_TEMPLATE_H_
