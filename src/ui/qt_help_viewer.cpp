#include "ui/qt_help_viewer.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

#include "res/help_topics.h"
#include "ui/qt_text.h"

namespace tarvik::ui {
namespace {

constexpr int kWindowWidth = 420;
constexpr int kWindowHeight = 480;

}  // namespace

QtHelpViewer::QtHelpViewer(QWidget* owner, UiLanguage language)
    : owner_(owner), language_(language), pages_(language) {}

// The window may have gone already with its owner.
QtHelpViewer::~QtHelpViewer() { delete window_.data(); }

QWidget* QtHelpViewer::window() const { return window_.data(); }

bool QtHelpViewer::ShowHelp(const HelpRequest& request) {
  // A window the user closed starts afresh: Back does not lead into an earlier visit.
  const bool new_visit = window_ == nullptr || !window_->isVisible();
  pages_.Open(request, new_visit);
  MakeWindow();
  Display();
  window_->show();
  window_->raise();
  window_->activateWindow();
  return true;
}

void QtHelpViewer::MakeWindow() {
  if (window_ != nullptr) return;
  const HelpWindowTexts& texts = HelpWindowTextsFor(language_);
  // The owner may have been destroyed, and the window with it; a new one then stands alone.
  window_ = new QDialog(owner_.data());
  window_->setWindowTitle(FromUtf8(texts.caption));
  window_->setModal(false);
  window_->resize(kWindowWidth, kWindowHeight);

  auto* contents = new QPushButton(FromUtf8(texts.contents), window_);
  contents->setObjectName("contents");
  contents->setAutoDefault(false);
  back_ = new QPushButton(FromUtf8(texts.back), window_);
  back_->setObjectName("back");
  back_->setAutoDefault(false);
  browser_ = new QTextBrowser(window_);
  // Links are pages of the book, not files or web addresses: the viewer follows them itself.
  browser_->setOpenLinks(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(window_);
  layout->addLayout(buttons);
  layout->addWidget(browser_);

  QObject::connect(browser_, &QTextBrowser::anchorClicked, [this](const QUrl& link) {
    if (pages_.Follow(link.toString().toStdString())) Display();
  });
  QObject::connect(back_, &QPushButton::clicked, [this] {
    pages_.Back();
    Display();
  });
  QObject::connect(contents, &QPushButton::clicked, [this] {
    if (pages_.Follow("contents")) Display();
  });
}

void QtHelpViewer::Display() {
  browser_->setHtml(FromUtf8(pages_.shown()->html));
  back_->setEnabled(pages_.can_go_back());
}

}  // namespace tarvik::ui
