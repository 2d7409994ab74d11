// The main window "TARVIK" and its menu, in the neutral (English) set and the German set. The
// German window is shorter: it has no count row and no Tab group.
#ifndef TARVIK_RES_MAIN_WINDOW_TEMPLATE_H_
#define TARVIK_RES_MAIN_WINDOW_TEMPLATE_H_

#include "res/dialog_template.h"
#include "res/string_table.h"

namespace tarvik {

const DialogTemplate& MainWindowTemplate(UiLanguage language);
const MenuTemplate& MainMenuTemplate(UiLanguage language);

}  // namespace tarvik

#endif  // TARVIK_RES_MAIN_WINDOW_TEMPLATE_H_
