// WebBrowser: the web-page control over the engine module, and its start-up.
#include "platform/WebBrowser.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>
#include <QUrl>
#include <QVBoxLayout>
#include <unistd.h>

#include "platform/WebPages.h"

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

// ---- The engine module -------------------------------------------------------

namespace {

MakeWebPagesFunction maker = nullptr;  // the module's entry point once loaded
QString failure;                       // why the module could not be loaded
bool tried = false;                    // a load was tried

// The engine module's maker, loaded at the first call; null (with the
// reason in error) when the module cannot be loaded. The module stays
// loaded: the pages' code must outlive every control.
MakeWebPagesFunction WebPagesMaker(QString& error) {
  if (!tried) {
    tried = true;
    // Beside the program first; else where the build put it.
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/") +
                           QStringLiteral(LINTAVO_WEBPAGES_MODULE_NAME);
    // Destroying a QLibrary does not unload its library: the module stays.
    static QLibrary module;
    for (const QString& path : {beside, QStringLiteral(LINTAVO_WEBPAGES_MODULE_PATH)}) {
      module.setFileName(path);
      maker = reinterpret_cast<MakeWebPagesFunction>(module.resolve(MakeWebPagesSymbol));
      if (maker) break;
      failure = module.errorString();
    }
  }
  error = failure;
  return maker;
}

}  // namespace

bool WebEngineModuleLoaded() { return maker != nullptr; }

// ---- The control -----------------------------------------------------------

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  QString error;
  if (MakeWebPagesFunction make = WebPagesMaker(error)) {
    const WebPageEvents events{[this] { OnLoadStarted(); }, [this] { OnUrlChanged(); },
                               [this] { OnLoadFinished(); }};
    pages_.reset(make(this, events));
    layout->addWidget(pages_->View());
    return;
  }
  layout->addWidget(new QLabel(QStringLiteral("Web pages cannot be shown: ") + error, this));
}

WebBrowser::~WebBrowser() = default;

void WebBrowser::Navigate(const String& address) {
  if (!pages_) return;
  Request();
  pages_->Load(QUrl::fromUserInput(QString::fromStdString(address)));
}

void WebBrowser::GoBack() {
  if (!pages_ || !pages_->CanGoBack()) return;
  Request();
  pages_->Back();
}

void WebBrowser::GoForward() {
  if (!pages_ || !pages_->CanGoForward()) return;
  Request();
  pages_->Forward();
}

void WebBrowser::GoHome() {
  if (!homePage_.empty()) Navigate(homePage_);
}

void WebBrowser::GoSearch() {
  if (!searchPage_.empty()) Navigate(searchPage_);
}

void WebBrowser::Refresh() {
  if (!pages_ || pages_->Url().isEmpty()) return;
  Request();
  pages_->Reload();
}

void WebBrowser::Stop() {
  if (pages_) pages_->Stop();
  state_ = LoadState::Idle;
}

String WebBrowser::LocationName() const {
  if (!pages_) return String();
  const QString title = pages_->Title();
  return (title.isEmpty() ? pages_->Url().toString() : title).toStdString();
}

String WebBrowser::LocationURL() const { return pages_ ? pages_->Url().toString().toStdString() : String(); }

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
