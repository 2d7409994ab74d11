// The X server's own view of a window, read over a connection of the test's: its properties as
// the window manager reads and writes them, and its outer frame.
#ifndef TARVIK_TESTS_UI_X11_PROBE_H_
#define TARVIK_TESTS_UI_X11_PROBE_H_

#include <xcb/xcb.h>

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::testing {

class X11Probe {
 public:
  X11Probe();  // on $DISPLAY
  ~X11Probe();
  X11Probe(const X11Probe&) = delete;
  X11Probe& operator=(const X11Probe&) = delete;

  bool connected() const { return connection_ != nullptr; }
  // Whether a window manager says it runs (_NET_SUPPORTING_WM_CHECK on the root window).
  bool WindowManagerRuns();

  // A text property, or nothing when the window lacks it.
  std::optional<std::string> Text(xcb_window_t window, std::string_view name);
  // A property of 32-bit numbers (CARDINAL, _MOTIF_WM_HINTS, ...); empty when missing.
  std::vector<std::uint32_t> Numbers(xcb_window_t window, std::string_view name);
  // A property of atoms, by their names.
  std::vector<std::string> AtomNames(xcb_window_t window, std::string_view name);
  // The window's frame on the screen, the window manager's frame included; nothing until the
  // window manager has framed it (_NET_FRAME_EXTENTS).
  std::optional<QRect> OuterFrame(xcb_window_t window);
  // Asks the window manager to move the window's frame to `corner` and size the window itself to
  // `size`, as a user's drag does (_NET_MOVERESIZE_WINDOW from a pager).
  void MoveResize(xcb_window_t window, QPoint corner, QSize size);

 private:
  xcb_atom_t Atom(std::string_view name);
  std::string AtomName(xcb_atom_t atom);

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_UI_X11_PROBE_H_
