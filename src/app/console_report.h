// What the console front end prints: one line a shot, made of the main window's field texts.
#ifndef TARVIK_APP_CONSOLE_REPORT_H_
#define TARVIK_APP_CONSOLE_REPORT_H_

#include <string>

#include "base/dialog_view.h"

namespace tarvik {

// "Shot  633.71 fps   13.35 ft.lbs  Mk 3  count 1234  |  shots 1  average  633.71 fps ..."
std::string ShotReportLine(const DialogSurface& main_window);

}  // namespace tarvik

#endif  // TARVIK_APP_CONSOLE_REPORT_H_
