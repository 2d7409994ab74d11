// The help window: a call opens it at its topic, a link moves within it and Back returns. With
// TARVIK_PICTURES set to a folder, the English contents are saved there as a picture.
#include "ui/qt_help_viewer.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <cstdlib>

#include "dialogs/help.h"

namespace tarvik::ui {
namespace {

TEST(QtHelpViewerTest, CallOpensTheTopicALinkMovesAndBackReturns) {
  QtHelpViewer english(nullptr, UiLanguage::kNeutral);
  ASSERT_TRUE(english.ShowHelp(HelpRequest::Contents()));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(english.window()));
  EXPECT_EQ(english.window()->windowTitle(), "Tarvik Help");
  if (const char* folder = std::getenv("TARVIK_PICTURES")) {
    english.window()->grab().save(QString(folder) + "/help.png");
  }

  QWidget owner;
  QtHelpViewer viewer(&owner, UiLanguage::kGerman);
  ShowControlHelp(viewer, MainWindowId::kWeight, HelpGesture::kHelpRequest);
  QWidget* window = viewer.window();
  ASSERT_TRUE(window != nullptr && QTest::qWaitForWindowExposed(window));
  EXPECT_EQ(window->windowTitle(), "Tarvik Hilfe");
  auto* text = window->findChild<QTextBrowser*>();
  EXPECT_TRUE(text->toPlainText().startsWith("Geschossgewicht"));

  ASSERT_TRUE(viewer.ShowHelp(HelpRequest::Contents()));
  EXPECT_EQ(viewer.window(), window);
  // A click on the last letter of the contents' link "Letzter Schuss".
  const QPoint link_end = text->cursorRect(text->document()->find("Letzter Schuss")).center();
  QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, link_end - QPoint(3, 0));
  EXPECT_EQ(viewer.shown_context(), 1200);

  auto* back = window->findChild<QPushButton*>("back");
  EXPECT_EQ(back->text(), "Zurück");
  back->click();
  EXPECT_EQ(viewer.shown_context(), 0);
  back->click();
  EXPECT_EQ(viewer.shown_context(), 1204);
  EXPECT_FALSE(back->isEnabled());
}

}  // namespace
}  // namespace tarvik::ui
