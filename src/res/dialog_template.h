// Windows, menus and their texts as data: what each front builds its windows from. A template
// places each control in dialog units, which follow the dialog's font, so that a layout keeps its
// proportions whatever font the platform substitutes for the template's.
//
// Every text must fit its control in English and German, the widest the program writes into a
// control included (units of both systems, the largest counts and measurements), in each font a
// front draws it in: MS Sans Serif and Tahoma on Windows, DejaVu Sans under Qt. The text-fit
// tests measure them on both fronts and name any that overflows.
#ifndef TARVIK_RES_DIALOG_TEMPLATE_H_
#define TARVIK_RES_DIALOG_TEMPLATE_H_

#include <span>
#include <string_view>
#include <type_traits>

namespace tarvik {

enum class ControlKind {
  kGroupBox,
  kValueField,          // a sunken static text that shows a value
  kValueFieldCentered,  // the same, centred
  kText,                // static text, left-aligned
  kTextCentered,
  kTextRight,
  kEdit,  // a one-line edit field with a border, a tab stop
  kPushButton,
  kCheckBox,      // ticks itself when clicked
  kDropDownList,  // a list to choose from, not typed into
};

// Identifier of a control the program never addresses (a plain label).
inline constexpr int kNoControlId = -1;

namespace templates {

// The number a template stores for a window's identifier (a control's or a menu command's), or
// for the one `offset` places after it. Kept apart, for the templates to bring in with
// `using templates::Id;`: the windows' logic calls its own enums `Id`.
template <typename Enum>
requires std::is_enum_v<Enum>
constexpr int Id(Enum id, int offset = 0) { return static_cast<int>(id) + offset; }

}  // namespace templates

struct ControlTemplate {
  int id;
  ControlKind kind;
  std::string_view text;    // initial text, UTF-8
  int x, y, width, height;  // dialog units
};

struct DialogTemplate {
  std::string_view name;
  std::string_view caption;
  int width, height;  // dialog units
  std::string_view font_name;
  int font_points;
  std::span<const ControlTemplate> controls;  // in tab order
  // Where a window that stays beside its owner opens: from the top left corner of the owner's
  // client area, in dialog units. Modal dialogs are centred over the owner instead.
  int x = 0, y = 0;
};

// A menu item, a popup with its items, or a separator (neither id nor text).
struct MenuItem {
  int id;  // 0 for a popup or a separator
  std::string_view text;
  std::span<const MenuItem> items;  // a popup's items
  // The key that runs the command from the window, "Ctrl+N", whatever the language; the text
  // shows it after a tab in the language's words.
  std::string_view shortcut = {};
};

struct MenuTemplate {
  std::string_view name;
  std::span<const MenuItem> bar;
};

// A dialog's base units in pixels, from its font: the average width of the 52 letters "A" to
// "Z" and "a" to "z", and the font's height.
struct DialogBaseUnits {
  int x = 0;
  int y = 0;
};

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The base units as the platform derives them from the width of the 52 letters set side by side
// and the font's height: the average letter width, rounded.
DialogBaseUnits BaseUnitsFromFont(int width_of_52_letters, int font_height);

// Dialog units to pixels: x · base.x / 4 and y · base.y / 8, each rounded to the nearest pixel.
PixelRect ToPixels(int x, int y, int width, int height, DialogBaseUnits base);

}  // namespace tarvik

#endif  // TARVIK_RES_DIALOG_TEMPLATE_H_
