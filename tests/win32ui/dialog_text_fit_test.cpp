// Every text of every window fits its control on the real dialog that the dialog manager makes
// from our template: the templates' own texts and the widest the program writes, in English and
// German, each measured with GetTextExtentPoint32W in the font the control draws with, in its
// client rectangle less what the control itself draws there (a check box's box, a button's
// edges, a group box's caption inset).
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "res/text_fit.h"
#include "win32ui/memory_template.h"
#include "win32ui/wide_text.h"

namespace tarvik::win32ui {
namespace {

using testing::MeasuredText;
using testing::NamedWindow;
using testing::PlacedControl;
using testing::TextAlign;

// Where the dialog manager's controls draw their texts, at 96 dots per inch (scaled with the
// dialog's resolution): a group box starts its caption 7 pixels in from its edges, a push button
// keeps its 2-pixel edge and the pixel its pressed text moves by, a check box draws its 13-pixel
// box and half the width of a "0" before its text.
constexpr int kGroupCaptionInset = 7;
constexpr int kPushButtonEdge = 3;
constexpr int kCheckBoxWidth = 13;

INT_PTR CALLBACK QuietDialogProc(HWND /*window*/, UINT message, WPARAM /*wparam*/,
                                 LPARAM /*lparam*/) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The dialog that the dialog manager makes from the template in memory the windows are made
// from, never shown: Wine without a window manager waits a second for each shown window that
// goes.
class HiddenDialog {
 public:
  explicit HiddenDialog(const DialogTemplate& dialog)
      : template_(dialog, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK, 0),
        hwnd_(CreateDialogIndirectParamW(GetModuleHandleW(nullptr), template_.get(), nullptr,
                                         QuietDialogProc, 0)) {}
  ~HiddenDialog() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  }
  HiddenDialog(const HiddenDialog&) = delete;
  HiddenDialog& operator=(const HiddenDialog&) = delete;

  HWND hwnd() const { return hwnd_; }

 private:
  MemoryTemplate template_;
  HWND hwnd_;
};

PixelRect ToRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// The rectangle of `window` (the whole window, or its client area) in the dialog's client
// coordinates.
RECT InDialog(HWND dialog, HWND window, bool whole) {
  RECT r;
  if (whole) {
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
  } else {
    GetClientRect(window, &r);
    MapWindowPoints(window, dialog, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      std::max(GetWindowTextW(window, text.data(), static_cast<int>(text.size())), 0)));
  return text;
}

// The text as drawn: a single "&" marks the mnemonic and takes no room, "&&" is one "&".
std::wstring Drawn(const std::wstring& text, bool prefixes) {
  if (!prefixes) return text;
  std::wstring drawn;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && ++i == text.size()) break;
    drawn += text[i];
  }
  return drawn;
}

// A device context of a window with the font it draws in.
class FontDc {
 public:
  explicit FontDc(HWND control)
      : control_(control),
        dc_(GetDC(control)),
        old_(SelectObject(dc_,
                          reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)))) {}
  ~FontDc() {
    SelectObject(dc_, old_);
    ReleaseDC(control_, dc_);
  }
  FontDc(const FontDc&) = delete;
  FontDc& operator=(const FontDc&) = delete;

  SIZE Extent(const std::wstring& text) const {
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
  }
  int Scaled(int pixels) const { return MulDiv(pixels, GetDeviceCaps(dc_, LOGPIXELSX), 96); }
  HDC get() const { return dc_; }

 private:
  HWND control_;
  HDC dc_;
  HGDIOBJ old_;
};

// The control's text measured as the control draws it, or nothing for a control without a drawn
// text (edit fields scroll, drop-down lists are filled with port names).
std::optional<MeasuredText> Measure(HWND dialog, HWND control, int index) {
  wchar_t class_name[32] = {};
  GetClassNameW(control, class_name, 32);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
  const FontDc dc(control);
  RECT room = InDialog(dialog, control, false);
  TextAlign align = TextAlign::kLeft;
  bool prefixes = true;
  if (_wcsicmp(class_name, L"Static") == 0) {
    const DWORD type = style & SS_TYPEMASK;
    if (type == SS_CENTER) align = TextAlign::kCenter;
    if (type == SS_RIGHT) align = TextAlign::kRight;
    prefixes = (style & SS_NOPREFIX) == 0;
  } else if (_wcsicmp(class_name, L"Button") == 0) {
    switch (style & BS_TYPEMASK) {
      case BS_GROUPBOX:
        InflateRect(&room, -dc.Scaled(kGroupCaptionInset), 0);
        break;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
        room.left += dc.Scaled(kCheckBoxWidth) + dc.Extent(L"0").cx / 2;
        break;
      default:
        InflateRect(&room, -dc.Scaled(kPushButtonEdge), -dc.Scaled(kPushButtonEdge));
        align = TextAlign::kCenter;
        break;
    }
  } else {
    return std::nullopt;
  }
  const std::wstring text = TextOf(control);
  const SIZE extent = dc.Extent(Drawn(text, prefixes));
  return MeasuredText{index, WideToUtf8(text), ToRect(room), align, extent.cx, extent.cy};
}

std::string NameOf(const ControlTemplate& control) {
  return control.id == kNoControlId ? std::string("label") : std::to_string(control.id);
}

// The face of the font the dialog manager gave the window.
std::string FaceOf(HWND window) {
  const FontDc dc(window);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc.get(), LF_FACESIZE, face);
  return WideToUtf8(face);
}

// The misfits of the window made from `dialog` by the dialog manager, with the base units it
// got, for the message.
std::vector<std::string> MisfitsOf(const DialogTemplate& dialog, std::string& units_text) {
  const HiddenDialog window(dialog);
  const HWND hwnd = window.hwnd();
  if (hwnd == nullptr) return {"the window could not be made"};
  RECT units{0, 0, 4, 8};
  MapDialogRect(hwnd, &units);
  units_text = "base units " + std::to_string(units.right) + " x " + std::to_string(units.bottom);
  // A font the system lacks is replaced by another, whose measurements would prove nothing.
  if (const std::string face = FaceOf(hwnd); face != dialog.font_name) {
    return {"drawn in " + face + ": the font is not installed"};
  }
  std::vector<PlacedControl> controls;
  std::vector<MeasuredText> texts;
  std::vector<HWND> children;
  // The dialog manager makes the controls in the template's order, which stays their order.
  HWND child = GetWindow(hwnd, GW_CHILD);
  for (const ControlTemplate& control : dialog.controls) {
    if (child == nullptr) return {"control " + NameOf(control) + " is missing"};
    const int expected = control.id == kNoControlId ? 0xFFFF : control.id;
    if (GetDlgCtrlID(child) != expected) return {"control " + NameOf(control) + " is misplaced"};
    const int index = static_cast<int>(controls.size());
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    const bool group_box = control.kind == ControlKind::kGroupBox;
    const bool bare_label = control.kind == ControlKind::kText ||
                            control.kind == ControlKind::kTextCentered ||
                            control.kind == ControlKind::kTextRight;
    controls.push_back(
        {NameOf(control), ToRect(InDialog(hwnd, child, true)), group_box, bare_label});
    if ((style & WS_VISIBLE) != 0) {
      if (auto text = Measure(hwnd, child, index)) texts.push_back(*text);
    }
    children.push_back(child);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  for (const testing::ProgramText& written : testing::ProgramTexts(dialog.name)) {
    const auto at = std::find_if(dialog.controls.begin(), dialog.controls.end(),
                                 [&](const ControlTemplate& c) { return c.id == written.control; });
    if (at == dialog.controls.end()) continue;  // a layout without the control
    const auto index = static_cast<std::size_t>(at - dialog.controls.begin());
    SetWindowTextW(children[index], Utf8ToWide(written.text).c_str());
    if (auto text = Measure(hwnd, children[index], static_cast<int>(index))) {
      texts.push_back(*text);
    }
  }
  return testing::Misfits(controls, texts);
}

// Every window's misfits when made in `face` (the template's own font when null), each line
// naming the window.
std::string MisfitsOfEveryWindow(const char* face) {
  std::string report;
  for (const NamedWindow& named : testing::EveryWindow()) {
    DialogTemplate dialog = *named.dialog;
    if (face != nullptr) dialog.font_name = face;
    std::string units;
    for (const std::string& misfit : MisfitsOf(dialog, units)) {
      report += "\n  " + std::string(named.name) + " (" + std::string(dialog.font_name) + " " +
                std::to_string(dialog.font_points) + ", " + units + "): " + misfit;
    }
  }
  return report;
}

// One test a font: each starts Wine once, which takes longer than measuring every window.
TEST(DialogTextFitTest, EveryTextFitsItsControlInTheTemplatesFont) {
  const std::string misfits = MisfitsOfEveryWindow(nullptr);
  EXPECT_TRUE(misfits.empty()) << misfits;
}

// Tahoma, which Windows gives a dialog that asks for "MS Shell Dlg 2", draws wider: the windows
// keep room for it.
TEST(DialogTextFitTest, EveryTextFitsItsControlInTahoma) {
  const std::string misfits = MisfitsOfEveryWindow("Tahoma");
  EXPECT_TRUE(misfits.empty()) << misfits;
}

}  // namespace
}  // namespace tarvik::win32ui
