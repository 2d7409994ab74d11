// Whether a window's texts fit their controls. Each front's test measures its own windows as the
// platform draws them (its font, its controls' boxes and edges); this judges what was measured,
// the same way for both, and names every misfit with its overflow in pixels.
#ifndef TARVIK_TESTS_RES_TEXT_FIT_H_
#define TARVIK_TESTS_RES_TEXT_FIT_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "res/dialog_template.h"

namespace tarvik::testing {

// Pixels that a group box's frame takes inside its rectangle, which the texts within keep clear
// of: the etched line is two pixels wide.
inline constexpr int kGroupFrame = 2;

enum class TextAlign { kLeft, kCenter, kRight };

// A control as placed in the client area.
struct PlacedControl {
  std::string name;  // its identifier, or what it is, for the messages
  PixelRect rect;
  bool group_box = false;
  // A label without a frame: only its texts are in the way of other controls, not the rest of
  // its rectangle.
  bool bare_label = false;
};

// A control's text as measured in the font its window draws it in.
struct MeasuredText {
  int control = 0;  // index into the window's controls
  std::string text;
  PixelRect room;  // where the text may go: the control less its decoration
  TextAlign align = TextAlign::kLeft;
  int width = 0;   // of the widest line
  int height = 0;  // of all its lines
};

// Each misfit as 'name "text": what by N px': a text wider or taller than its room, or one that
// runs into another control or out of the group box it stands in. Empty when everything fits.
std::vector<std::string> Misfits(std::span<const PlacedControl> controls,
                                 std::span<const MeasuredText> texts);

// A window's template with a name for the test that measures it: the template's name and
// language.
struct NamedWindow {
  const char* name;
  const DialogTemplate* dialog;
};

// Every window made from a template, in each of its languages.
std::vector<NamedWindow> EveryWindow();

// A text the program writes into a control of a window while it runs.
struct ProgramText {
  int control = 0;
  std::string text;
};

// The texts the program writes into the window named `template_name`, each as wide as it ever
// gets: the unit labels of both systems, the widest measurement, count and version.
std::vector<ProgramText> ProgramTexts(std::string_view template_name);

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_RES_TEXT_FIT_H_
