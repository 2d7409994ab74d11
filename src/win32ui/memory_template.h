// Dialog templates and menus made in memory from the program's own templates, for the dialog
// manager's indirect calls (DialogBoxIndirectParam, CreateDialogIndirectParam, property pages)
// and the window's menu bar or popup.
#ifndef TARVIK_WIN32UI_MEMORY_TEMPLATE_H_
#define TARVIK_WIN32UI_MEMORY_TEMPLATE_H_

#include <vector>

#include "res/dialog_template.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

// The identifier of an item the program never addresses (kNoControlId), as the template gives it
// to the dialog manager and the dialog manager gives it back.
inline constexpr WORD kUnaddressedItemId = 0xFFFF;

// An extended dialog template (DLGTEMPLATEEX and its items), kept DWORD-aligned.
class MemoryTemplate {
 public:
  // `style` is the dialog's window style; DS_SETFONT is added for the template's font.
  MemoryTemplate(const DialogTemplate& dialog, DWORD style, DWORD extended_style);

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value);
  void Text(std::string_view text);
  void AlignToDword();
  void Control(const ControlTemplate& control);

  std::vector<WORD> words_;
};

// The window class atom and style of a control of the given kind.
struct ControlClass {
  WORD atom;
  DWORD style;
};
ControlClass ClassOf(ControlKind kind);

// A menu bar with the template's popups and items; the caller owns it (a menu set on a window
// goes with the window).
HMENU BuildMenuBar(const MenuTemplate& menu);
// The template's first popup as a popup menu of its own; null when there is none.
HMENU BuildFirstPopup(const MenuTemplate& menu);

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_MEMORY_TEMPLATE_H_
