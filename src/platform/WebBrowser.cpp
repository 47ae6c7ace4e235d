// WebBrowser: the web-page control over Qt WebEngine, and its start-up.
#include "platform/WebBrowser.h"

#include <QCoreApplication>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <unistd.h>

namespace lintavo {

// ---- Start-up --------------------------------------------------------------

namespace {

void SetIfUnset(const char* name, const char* value) {
  if (qEnvironmentVariableIsEmpty(name)) qputenv(name, value);
}

}  // namespace

void PrepareWebBrowser() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  // Chromium will not start as root with its sandbox; without it the pages
  // run in the program's own user's rights, which root has anyway.
  if (geteuid() == 0) SetIfUnset("QTWEBENGINE_DISABLE_SANDBOX", "1");
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen") SetIfUnset("QT_QUICK_BACKEND", "software");
}

String FileAddress(const String& path) {
  return QUrl::fromLocalFile(QString::fromStdString(path)).toString().toStdString();
}

// ---- The control -----------------------------------------------------------

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent) {
  view_ = new QWebEngineView(this);
  // The local home page links to pages on the web: a page reached from it
  // (by a link, or again by Refresh, Back and Forward, which the engine
  // counts as asked for by the local page) may load. Without this the engine
  // refuses them with its "Internet access is blocked" page.
  view_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  connect(view_, &QWebEngineView::loadStarted, this, &WebBrowser::OnLoadStarted);
  connect(view_, &QWebEngineView::urlChanged, this, &WebBrowser::OnUrlChanged);
  connect(view_, &QWebEngineView::loadFinished, this, &WebBrowser::OnLoadFinished);
}

void WebBrowser::Navigate(const String& address) {
  Request();
  view_->load(QUrl::fromUserInput(QString::fromStdString(address)));
}

void WebBrowser::GoBack() {
  if (!view_->history()->canGoBack()) return;
  Request();
  view_->back();
}

void WebBrowser::GoForward() {
  if (!view_->history()->canGoForward()) return;
  Request();
  view_->forward();
}

void WebBrowser::GoHome() {
  if (!homePage_.empty()) Navigate(homePage_);
}

void WebBrowser::GoSearch() {
  if (!searchPage_.empty()) Navigate(searchPage_);
}

void WebBrowser::Refresh() {
  if (view_->url().isEmpty()) return;
  Request();
  view_->reload();
}

void WebBrowser::Stop() {
  view_->stop();
  state_ = LoadState::Idle;
}

String WebBrowser::LocationName() const {
  const QString title = view_->title();
  return (title.isEmpty() ? view_->url().toString() : title).toStdString();
}

String WebBrowser::LocationURL() const { return view_->url().toString().toStdString(); }

// A load asked for while another runs keeps the busy state it has.
void WebBrowser::Request() {
  if (state_ == LoadState::Idle) state_ = LoadState::Requested;
}

void WebBrowser::OnLoadStarted() { state_ = LoadState::Loading; }

void WebBrowser::OnUrlChanged() {
  // An address that arrives with no load started moved within the page.
  if (state_ == LoadState::Requested) state_ = LoadState::Idle;
  emit NavigateComplete();
}

void WebBrowser::OnLoadFinished() {
  state_ = LoadState::Idle;
  emit DownloadComplete();
}

}  // namespace lintavo
