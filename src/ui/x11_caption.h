// A window's caption under an X11 window manager, where Qt's window flags cannot say it: an empty
// title stays empty (Qt names a window without a title after the application), and the caption
// offers the functions of the window's style and no others (Qt offers all of them to a window
// without a close button). Elsewhere (the offscreen platform, Wayland) these do nothing.
//
// A window manager that honours the Motif functions then shows the main window's close button
// only and no buttons on the big display, the graph and the statistics window. Openbox, as
// measured, keeps minimise and close on every window whatever the hints say, and shows maximise
// disabled on a fixed-size one. The caption's help button is _NET_WM_CONTEXT_HELP, which Qt sets
// itself from Qt::WindowContextHelpButtonHint.
#ifndef TARVIK_UI_X11_CAPTION_H_
#define TARVIK_UI_X11_CAPTION_H_

#include <array>
#include <cstdint>

class QWindow;

namespace tarvik::ui {

// What a captioned window's style offers, as the Windows styles say it.
struct CaptionStyle {
  bool system_menu = false;   // the window menu and the close button
  bool minimize_box = false;  // shown only with the system menu
  bool maximize_box = false;  // shown only with the system menu
  bool sizing_frame = false;
};

// The window's _MOTIF_WM_HINTS for that style: flags, functions, decorations, input mode, status.
std::array<std::uint32_t, 5> MotifHints(const CaptionStyle& style);

// Gives a window whose title is empty an empty name, as the window manager reads it. Call it
// after the native window exists and after every change of its title.
void KeepTitleEmpty(QWindow& window);

// Writes the style's hints over those Qt wrote; call it once the window is shown.
void SetCaptionStyle(QWindow& window, const CaptionStyle& style);

}  // namespace tarvik::ui

#endif  // TARVIK_UI_X11_CAPTION_H_
