#include "win32ui/memory_template.h"

#include "win32ui/wide_text.h"

namespace tarvik::win32ui {
namespace {

// The predefined window classes of dialog items, by atom.
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kComboBoxAtom = 0x0085;

void AppendItems(HMENU menu, std::span<const MenuItem> items) {
  for (const MenuItem& item : items) {
    const std::wstring text = Utf8ToWide(item.text);
    if (!item.items.empty()) {
      HMENU popup = CreatePopupMenu();
      AppendItems(popup, item.items);
      AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), text.c_str());
    } else if (item.id == 0) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), text.c_str());
    }
  }
}

}  // namespace

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kGroupBox:
      return {kButtonAtom, BS_GROUPBOX};
    case ControlKind::kValueField:
      return {kStaticAtom, SS_LEFT | SS_SUNKEN | SS_CENTERIMAGE | SS_NOPREFIX};
    case ControlKind::kValueFieldCentered:
      return {kStaticAtom, SS_CENTER | SS_SUNKEN | SS_CENTERIMAGE | SS_NOPREFIX};
    case ControlKind::kText:
      return {kStaticAtom, SS_LEFT};
    case ControlKind::kTextCentered:
      return {kStaticAtom, SS_CENTER};
    case ControlKind::kTextRight:
      return {kStaticAtom, SS_RIGHT};
    case ControlKind::kEdit:
      return {kEditAtom, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP};
    case ControlKind::kPushButton:
      return {kButtonAtom, BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::kCheckBox:
      return {kButtonAtom, BS_AUTOCHECKBOX | WS_TABSTOP};
    case ControlKind::kDropDownList:
      return {kComboBoxAtom, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
  }
  return {kStaticAtom, SS_LEFT};
}

MemoryTemplate::MemoryTemplate(const DialogTemplate& dialog, DWORD style, DWORD extended_style) {
  Word(1);       // dlgVer
  Word(0xFFFF);  // signature of the extended form
  Dword(0);      // helpID
  Dword(extended_style);
  Dword(style | DS_SETFONT);
  Word(static_cast<WORD>(dialog.controls.size()));
  Word(0);  // x, y: placed by the caller
  Word(0);
  Word(static_cast<WORD>(dialog.width));
  Word(static_cast<WORD>(dialog.height));
  Word(0);  // no menu: the menu bar is set on the window
  Word(0);  // the dialog class
  Text(dialog.caption);
  // The template's own font, "MS Sans Serif" 8, which Windows draws with its bitmap font of that
  // name and in which the templates were laid out (DS_SHELLFONT would give Tahoma, whose texts
  // run wider). Wine draws it with its own copy (package fonts-wine), with the same base units,
  // 6 x 13 pixels at 96 dots per inch. The dialog units follow it, so a substitute keeps the
  // proportions.
  Word(static_cast<WORD>(dialog.font_points));
  Word(FW_NORMAL);
  Word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, charset
  Text(dialog.font_name);
  for (const ControlTemplate& control : dialog.controls) Control(control);
}

void MemoryTemplate::Dword(DWORD value) {
  Word(LOWORD(value));
  Word(HIWORD(value));
}

void MemoryTemplate::Text(std::string_view text) {
  const std::wstring wide = Utf8ToWide(text);
  for (wchar_t c : wide) Word(static_cast<WORD>(c));
  Word(0);
}

void MemoryTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) Word(0);
}

void MemoryTemplate::Control(const ControlTemplate& control) {
  AlignToDword();
  const ControlClass kind = ClassOf(control.kind);
  Dword(0);  // helpID
  Dword(0);  // exStyle
  Dword(WS_CHILD | WS_VISIBLE | kind.style);
  Word(static_cast<WORD>(control.x));
  Word(static_cast<WORD>(control.y));
  Word(static_cast<WORD>(control.width));
  // A drop-down list's template height is the height of its open list, as the control takes it.
  Word(static_cast<WORD>(control.height));
  Dword(control.id == kNoControlId ? kUnaddressedItemId : static_cast<DWORD>(control.id));
  Word(0xFFFF);
  Word(kind.atom);
  Text(control.kind == ControlKind::kDropDownList ? std::string_view() : control.text);
  Word(0);  // no creation data
}

HMENU BuildMenuBar(const MenuTemplate& menu) {
  HMENU bar = CreateMenu();
  AppendItems(bar, menu.bar);
  return bar;
}

HMENU BuildFirstPopup(const MenuTemplate& menu) {
  if (menu.bar.empty()) return nullptr;
  HMENU popup = CreatePopupMenu();
  AppendItems(popup, menu.bar.front().items);
  return popup;
}

}  // namespace tarvik::win32ui
