// WebEnginePages: the page view over Qt WebEngine, built as a shared module
// of its own and loaded at the first web-page control (WebPages.h).
#include <QWebEngineHistory>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "platform/WebPages.h"

namespace lintavo {

namespace {

class WebEnginePages final : public WebPages {
 public:
  WebEnginePages(QWidget* parent, const WebPageEvents& events) : view_(new QWebEngineView(parent)) {
    // The local home page links to pages on the web: a page reached from it
    // (by a link, or again by Refresh, Back and Forward, which the engine
    // counts as asked for by the local page) may load. Without this the
    // engine refuses them with its "Internet access is blocked" page.
    view_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    QObject::connect(view_, &QWebEngineView::loadStarted, view_, events.LoadStarted);
    QObject::connect(view_, &QWebEngineView::urlChanged, view_, events.UrlChanged);
    QObject::connect(view_, &QWebEngineView::loadFinished, view_, events.LoadFinished);
  }

  QWidget* View() override { return view_; }
  void Load(const QUrl& url) override { view_->load(url); }
  bool CanGoBack() const override { return view_->history()->canGoBack(); }
  bool CanGoForward() const override { return view_->history()->canGoForward(); }
  void Back() override { view_->back(); }
  void Forward() override { view_->forward(); }
  void Reload() override { view_->reload(); }
  void Stop() override { view_->stop(); }
  QString Title() const override { return view_->title(); }
  QUrl Url() const override { return view_->url(); }

 private:
  QWebEngineView* view_;  // a child of the control: deleted with it
};

}  // namespace

}  // namespace lintavo

extern "C" Q_DECL_EXPORT lintavo::WebPages* LintavoMakeWebPages(QWidget* parent,
                                                                const lintavo::WebPageEvents& events) {
  return new lintavo::WebEnginePages(parent, events);
}
