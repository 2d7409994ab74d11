#include "ui/qt_property_sheet.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace tarvik::ui {
namespace {

// The client area of the largest page, each measured in its own font on a window made for that
// alone: the pages themselves are made only when first shown.
QSize LargestPage(const std::vector<SheetPage>& pages) {
  QSize area(0, 0);
  for (const SheetPage& page : pages) {
    const QtDialog measure(*page.dialog, nullptr);
    area = area.expandedTo(measure.client()->minimumSize());
  }
  return area;
}

}  // namespace

QtPropertySheet::QtPropertySheet(std::string_view caption, std::vector<SheetPage> pages,
                                 QWidget* owner)
    : QDialog(owner),
      tabs_(new QTabWidget(this)),
      buttons_(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this)),
      page_windows_(pages.size(), nullptr),
      page_area_(LargestPage(pages)),
      logic_(*this, std::move(pages)) {
  setWindowTitle(FromUtf8(caption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowContextHelpButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(tabs_);
  layout->addWidget(buttons_);
  for (const SheetPage& page : logic_.pages()) {
    auto* holder = new QWidget;
    holder->setMinimumSize(page_area_);
    auto* holder_layout = new QVBoxLayout(holder);
    holder_layout->setContentsMargins(0, 0, 0, 0);
    tabs_->addTab(holder, FromUtf8(page.title));
  }
  EnableApply(false);
  connect(buttons_->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
          [this] { logic_.Ok(); });
  connect(buttons_->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this,
          [this] { logic_.Cancel(); });
  connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
          [this] { logic_.ApplyNow(); });
  buttons_->button(QDialogButtonBox::Ok)->setDefault(true);
}

// The pages' windows go before their logic, and hear nothing on the way.
QtPropertySheet::~QtPropertySheet() {
  for (QtDialog* page : page_windows_) {
    if (page != nullptr) page->Attach(nullptr);
  }
}

int QtPropertySheet::Run() {
  logic_.Start();
  // Only after the first page exists: a tab change before it would make it twice.
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!ending_) logic_.SelectPage(index);
  });
  return exec();
}

DialogSurface& QtPropertySheet::CreatePage(int index) {
  const SheetPage& page = logic_.pages()[index];
  auto* window = new QtDialog(*page.dialog, nullptr, tabs_->widget(index));
  window->Embed(page_area_);
  tabs_->widget(index)->layout()->addWidget(window);
  window->show();  // a page made after the sheet was shown
  page_windows_[index] = window;
  return *window;
}

void QtPropertySheet::ShowPage(int index) {
  if (page_windows_[index] != nullptr) page_windows_[index]->Attach(logic_.page(index));
  // Attach comes after the page's logic exists: PropertySheet makes it from CreatePage's window.
  QSignalBlocker quiet(tabs_);
  tabs_->setCurrentIndex(index);
}

void QtPropertySheet::EnableApply(bool enabled) {
  buttons_->button(QDialogButtonBox::Apply)->setEnabled(enabled);
}

void QtPropertySheet::EndSheet(int result) {
  ending_ = true;
  done(result);
}

void QtPropertySheet::closeEvent(QCloseEvent* event) {
  if (ending_) return event->accept();
  event->ignore();
  logic_.Cancel();
}

}  // namespace tarvik::ui
