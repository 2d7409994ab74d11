// The font the Qt windows are laid out and drawn in.
#ifndef TARVIK_UI_DIALOG_FONT_H_
#define TARVIK_UI_DIALOG_FONT_H_

#include <QFont>

namespace tarvik::ui {

// The family the windows are made in, from the Debian package fonts-dejavu-core.
inline constexpr char kDialogFamily[] = "DejaVu Sans";

// The templates name the Windows dialog font ("MS Sans Serif"), which Linux lacks: fontconfig
// would give whatever sans-serif the desktop prefers, and whether a text fits its control would
// depend on it. Every window uses DejaVu Sans at the template's size instead, whatever the
// desktop's default font. Chosen by measurement at 96 dots per inch: its dialog units at 8
// points are 7 x 13 pixels, and its texts take as many dialog units as they do in MS Sans
// Serif, for which the templates were laid out; a family of Arial's metrics rounds its units
// down to 6 x 12 and overflows more. Without DejaVu Sans, Bitstream Vera Sans (the same
// widths) or the desktop's sans-serif stand in.
QFont DialogFont(int points);

}  // namespace tarvik::ui

#endif  // TARVIK_UI_DIALOG_FONT_H_
