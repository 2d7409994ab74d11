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
    : owner_(owner), language_(language) {}

// The window may have gone already with its owner.
QtHelpViewer::~QtHelpViewer() { delete window_.data(); }

QWidget* QtHelpViewer::window() const { return window_.data(); }

bool QtHelpViewer::WinHelp(std::string_view file, const HelpRequest& request) {
  std::optional<HelpPage> page = ResolveHelp(file, request, language_);
  if (!page) return false;
  if (window_ == nullptr || !window_->isVisible()) {
    // A window the user closed starts afresh: Back does not lead into an earlier visit.
    history_.clear();
    shown_.reset();
  }
  MakeWindow();
  Navigate(std::move(*page));
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

  QObject::connect(browser_, &QTextBrowser::anchorClicked,
                   [this](const QUrl& link) { FollowLink(link); });
  QObject::connect(back_, &QPushButton::clicked, [this] { GoBack(); });
  QObject::connect(contents, &QPushButton::clicked,
                   [this] { FollowLink(QUrl(QStringLiteral("contents"))); });
}

void QtHelpViewer::Navigate(HelpPage page) {
  if (shown_) history_.push_back(std::move(*shown_));
  shown_ = std::move(page);
  Display();
}

void QtHelpViewer::FollowLink(const QUrl& link) {
  const std::string href = link.toString().toStdString();
  if (std::optional<HelpPage> page = FollowHelpLink(href, language_)) Navigate(std::move(*page));
}

void QtHelpViewer::GoBack() {
  if (history_.empty()) return;
  shown_ = std::move(history_.back());
  history_.pop_back();
  Display();
}

void QtHelpViewer::Display() {
  browser_->setHtml(FromUtf8(shown_->html));
  back_->setEnabled(!history_.empty());
}

}  // namespace tarvik::ui
