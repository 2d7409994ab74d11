// The main window's menu keys on the offscreen platform: a key of the menu is the command wherever
// the focus is in the window, only while the item is enabled, and the menu shows its name once.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <string>
#include <vector>

#include "res/main_window_ids.h"
#include "res/main_window_template.h"
#include "ui/qt_dialog.h"

namespace tarvik::ui {
namespace {

constexpr int kNewString = static_cast<int>(MainWindowId::kNewString);

class MenuCommands : public DialogEvents {
 public:
  void Initialize() override {}
  void Command(int id, Notification notification) override {
    if (notification == Notification::kMenu) commands.push_back(id);
  }
  void CloseRequested() override {}
  std::vector<int> commands;
};

// Notes the text of every menu item drawn: the item's text and, after a tab, its key's name.
class DrawnItems : public QProxyStyle {
 public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        item != nullptr && element == CE_MenuItem) {
      texts.push_back(item->text);
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }
  mutable QStringList texts;
};

class QtMenuShortcutTest : public ::testing::TestWithParam<UiLanguage> {
 protected:
  void SetUp() override {
    dialog_.Attach(&events_);
    dialog_.show();
    QApplication::setActiveWindow(&dialog_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog_));
  }
  QAction* NewString() const { return dialog_.MenuAction(kNewString); }

  QtDialog dialog_{MainWindowTemplate(GetParam()), &MainMenuTemplate(GetParam())};
  MenuCommands events_;
};

TEST_P(QtMenuShortcutTest, CtrlNIsTheCommandWhileItsItemIsEnabled) {
  QTest::keyClick(&dialog_, Qt::Key_N, Qt::ControlModifier);
  // From a field of the window as well.
  QWidget* field = dialog_.Control(static_cast<int>(MainWindowId::kWeight));
  ASSERT_NE(field, nullptr);
  field->setFocus();
  QTest::keyClick(field, Qt::Key_N, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_N);  // N alone is a letter for the field
  dialog_.EnableMenuItem(kNewString, false);
  QTest::keyClick(&dialog_, Qt::Key_N, Qt::ControlModifier);
  dialog_.EnableMenuItem(kNewString, true);
  QTest::keyClick(&dialog_, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(events_.commands, (std::vector{kNewString, kNewString}));
}

TEST_P(QtMenuShortcutTest, TheMenuShowsTheKeyOnceInTheLanguagesWords) {
  ASSERT_EQ(NewString()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  QMenu* popup = nullptr;
  for (QObject* user : NewString()->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(user)) popup = menu;
  }
  ASSERT_NE(popup, nullptr);
  DrawnItems style;
  popup->setStyle(&style);
  popup->grab();
  popup->setStyle(nullptr);
  const QString text = NewString()->text();
  ASSERT_EQ(text.count('\t'), 1);
  EXPECT_TRUE(style.texts.contains(text)) << text.toStdString();
  EXPECT_TRUE(text.endsWith(GetParam() == UiLanguage::kGerman ? "\tStrg+N" : "\tCtrl+N"));
}

INSTANTIATE_TEST_SUITE_P(Languages, QtMenuShortcutTest,
                         ::testing::Values(UiLanguage::kNeutral, UiLanguage::kGerman),
                         [](const auto& info) {
                           return info.param == UiLanguage::kGerman ? "German" : "Neutral";
                         });

}  // namespace
}  // namespace tarvik::ui
