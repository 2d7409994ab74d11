// A control's alert colour on a real dialog: the state is kept per control, the control is
// redrawn when it changes, and the control then draws its text red on the background the dialog
// manager gives it.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "win32ui/printed_window.h"
#include "win32ui/win32_dialog.h"

namespace tarvik::win32ui {
namespace {

constexpr int kValue = 10;
constexpr int kEdit = 11;
constexpr int kOther = 12;

constexpr std::array kControls = {
    ControlTemplate{kValue, ControlKind::kValueField, "1234.5", 5, 5, 60, 12},
    ControlTemplate{kEdit, ControlKind::kEdit, "678", 5, 20, 60, 12},
    ControlTemplate{kOther, ControlKind::kValueField, "1234.5", 5, 35, 60, 12},
};
constexpr DialogTemplate kDialog{"alert", "Alert", 80, 55, "MS Sans Serif", 8, kControls};

class QuietLogic final : public DialogEvents {
 public:
  void Initialize() override {}
  void Command(int /*id*/, Notification /*notification*/) override {}
};

// The colours a control is told to draw in: the brush and the text colour.
struct Colors {
  HBRUSH brush;
  COLORREF text;
};

Colors ColorsOf(HWND dialog, UINT message, HWND control) {
  HDC dc = GetDC(control);
  SetTextColor(dc, RGB(1, 2, 3));
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
      dialog, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  const Colors colors{brush, GetTextColor(dc)};
  ReleaseDC(control, dc);
  return colors;
}

class DialogAlertTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog_.OpenModeless(logic_, nullptr));
    Pump();
  }
  // Everything the window was waiting for, painting included.
  static void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  HWND Item(int id) const { return GetDlgItem(dialog_.hwnd(), id); }

  QuietLogic logic_;
  Win32Dialog dialog_{kDialog, nullptr, DialogRole::kModeless};
};

TEST_F(DialogAlertTest, AlertedValueFieldDrawsRedTextOnTheDialogsBackground) {
  constexpr COLORREF kRedPixel = RGB(255, 0, 0);
  EXPECT_EQ(PrintedWindow(Item(kValue)).CountOf(kRedPixel), 0);
  dialog_.SetItemAlert(kValue, true);
  EXPECT_GT(PrintedWindow(Item(kValue)).CountOf(kRedPixel), 10);
  EXPECT_EQ(PrintedWindow(Item(kOther)).CountOf(kRedPixel), 0);

  const Colors alerted = ColorsOf(dialog_.hwnd(), WM_CTLCOLORSTATIC, Item(kValue));
  const Colors plain = ColorsOf(dialog_.hwnd(), WM_CTLCOLORSTATIC, Item(kOther));
  EXPECT_EQ(alerted.text, kRedPixel);
  EXPECT_NE(alerted.brush, nullptr);
  // The background stays the one the dialog manager gives a control without the alert.
  EXPECT_EQ(alerted.brush, plain.brush);
  EXPECT_EQ(plain.text, GetSysColor(COLOR_WINDOWTEXT));

  dialog_.SetItemAlert(kValue, false);
  EXPECT_EQ(PrintedWindow(Item(kValue)).CountOf(kRedPixel), 0);
  EXPECT_EQ(ColorsOf(dialog_.hwnd(), WM_CTLCOLORSTATIC, Item(kValue)).text,
            GetSysColor(COLOR_WINDOWTEXT));
}

}  // namespace
}  // namespace tarvik::win32ui
