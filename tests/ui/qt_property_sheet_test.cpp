// The property sheet's frame on the offscreen platform: its pages, made as they are first shown,
// differ in size.
#include "ui/qt_property_sheet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <memory>
#include <vector>

#include "res/config_templates.h"
#include "ui/qt_print.h"

namespace tarvik::ui {
namespace {

class BlankPage final : public PropertyPage {
 public:
  void Initialize() override {}
  void Command(int /*id*/, Notification /*notification*/) override {}
};

// The configuration sheet's pages in German: its Sound page is wider than the others, and the
// Tab page's "Reset Tab" reaches below the page's own height.
std::vector<SheetPage> GermanPages() {
  const auto blank = [](DialogSurface&, SheetFrame&) { return std::make_unique<BlankPage>(); };
  return {{"Allgemein", &GeneralPageTemplate(UiLanguage::kGerman), blank},
          {"Log", &LogPageTemplate(UiLanguage::kGerman), blank},
          {"Ton", &SoundPageTemplate(UiLanguage::kGerman), blank},
          {"Tab", &TabPageTemplate(), blank}};
}

// Each page takes the largest page's size, as the system's sheet makes it, so the sheet keeps its
// size from the start and every control shows whole.
TEST(QtPropertySheetTest, SheetHasItsLargestPagesSizeFromTheStartAndShowsEveryControlWhole) {
  QtPropertySheet sheet("Konfiguration", GermanPages(), nullptr);
  bool ran = false;
  QTimer::singleShot(0, [&sheet, &ran] {
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize first = sheet.size();
    for (int index = 0; index < sheet.tabs()->count(); ++index) {
      sheet.tabs()->setCurrentIndex(index);
      QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
      EXPECT_EQ(sheet.size(), first) << "page " << index;
      const QtDialog* page = sheet.page_window(index);
      ASSERT_NE(page, nullptr);
      const QRect shown = page->client()->rect();
      for (const QWidget* control :
           page->client()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(shown.contains(control->geometry()))
            << "page " << index << ": " << control->metaObject()->className() << " \""
            << control->property("text").toString().toStdString() << "\" is cut";
      }
      EXPECT_TRUE(sheet.tabs()->widget(index)->rect().contains(page->geometry())) << index;
    }
    sheet.buttons()->button(QDialogButtonBox::Cancel)->click();
    ran = true;
  });
  sheet.Run();
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace tarvik::ui
