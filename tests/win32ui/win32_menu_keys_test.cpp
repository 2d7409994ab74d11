// The menu's keys on the native front: the texts read as accelerators, and Ctrl+N in the main
// window's own loop reaching its logic as the menu command, only while the item is enabled.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "res/main_window_ids.h"
#include "res/main_window_template.h"
#include "win32ui/accelerators.h"
#include "win32ui/win32_dialog.h"

namespace tarvik::win32ui {
namespace {

constexpr int kNewString = static_cast<int>(MainWindowId::kNewString);

bool Same(const std::optional<ACCEL>& got, BYTE flags, WORD key) {
  return got.has_value() && got->fVirt == flags && got->key == key && got->cmd == 5;
}

TEST(ParseShortcutTest, ModifiersAndKeys) {
  EXPECT_TRUE(Same(ParseShortcut("Ctrl+N", 5), FVIRTKEY | FCONTROL, 'N'));
  EXPECT_TRUE(Same(ParseShortcut("ctrl+shift+n", 5), FVIRTKEY | FCONTROL | FSHIFT, 'N'));
  EXPECT_TRUE(Same(ParseShortcut("Alt+F4", 5), FVIRTKEY | FALT, VK_F4));
  EXPECT_TRUE(Same(ParseShortcut("F12", 5), FVIRTKEY, VK_F12));
  EXPECT_TRUE(Same(ParseShortcut("Ctrl+Alt+Del", 5), FVIRTKEY | FCONTROL | FALT, VK_DELETE));
  EXPECT_TRUE(Same(ParseShortcut("Ctrl+1", 5), FVIRTKEY | FCONTROL, '1'));
  for (const char* wrong : {"", "Ctrl+", "Strg+N", "Ctrl+NN", "F0", "F25", "F1x", "+N", "Ctrl N"}) {
    EXPECT_FALSE(ParseShortcut(wrong, 5).has_value()) << wrong;
  }
}

TEST(BuildAcceleratorsTest, EveryItemWithAKeyAndNoneWithout) {
  static constexpr std::array kPopup = {MenuItem{21, "&New\tCtrl+N", {}, "Ctrl+N"},
                                        MenuItem{0, "", {}}, MenuItem{22, "&Other", {}},
                                        MenuItem{23, "&Help\tF1", {}, "F1"}};
  static constexpr std::array kBar = {MenuItem{0, "&File", kPopup}};
  HACCEL table = BuildAccelerators(MenuTemplate{"m", kBar});
  ASSERT_NE(table, nullptr);
  std::array<ACCEL, 4> entries{};
  ASSERT_EQ(CopyAcceleratorTableW(table, entries.data(), 4), 2);
  EXPECT_EQ(entries[0].cmd, 21);
  EXPECT_EQ(entries[1].cmd, 23);
  DestroyAcceleratorTable(table);
  static constexpr std::array kPlain = {MenuItem{22, "&Other", {}}};
  EXPECT_EQ(BuildAccelerators(MenuTemplate{"m", kPlain}), nullptr);
}

// The main window's logic: once running, it presses Ctrl+N on the window (the key state set as
// the keyboard would leave it) and ends when the command comes, or at its timer.
class PressesCtrlN final : public DialogEvents {
 public:
  PressesCtrlN(Win32Dialog& dialog, bool enabled) : dialog_(dialog), enabled_(enabled) {}
  void Initialize() override {
    dialog_.EnableMenuItem(kNewString, enabled_);
    dialog_.StartTimer(1, 1);
    dialog_.StartTimer(2, 1000);
  }
  void Tick(int timer_id) override {
    dialog_.StopTimer(timer_id);
    if (timer_id == 2) return dialog_.EndDialog(0);
    HWND field = GetDlgItem(dialog_.hwnd(), static_cast<int>(MainWindowId::kWeight));
    SetFocus(field);
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    SetKeyboardState(keys.data());
    PostMessageW(field, WM_KEYDOWN, 'N', 1);
    PostMessageW(field, WM_KEYUP, 'N', 1 | 0xC0000000);
  }
  void Command(int id, Notification notification) override {
    commands.push_back(id);
    if (id == kNewString && notification == Notification::kMenu) dialog_.EndDialog(0);
  }
  std::vector<int> commands;

 private:
  Win32Dialog& dialog_;
  bool enabled_;
};

void ReleaseCtrl() {
  std::array<BYTE, 256> keys{};
  GetKeyboardState(keys.data());
  keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
  SetKeyboardState(keys.data());
}

TEST(MenuKeysTest, CtrlNInTheMainWindowIsItsMenuCommandWhileEnabled) {
  for (const bool enabled : {true, false}) {
    Win32Dialog dialog(MainWindowTemplate(UiLanguage::kNeutral),
                       &MainMenuTemplate(UiLanguage::kNeutral), DialogRole::kModal);
    PressesCtrlN logic(dialog, enabled);
    dialog.RunModal(logic, nullptr);
    ReleaseCtrl();
    EXPECT_EQ(logic.commands, enabled ? std::vector{kNewString} : std::vector<int>{})
        << (enabled ? "enabled" : "disabled");
  }
}

}  // namespace
}  // namespace tarvik::win32ui
