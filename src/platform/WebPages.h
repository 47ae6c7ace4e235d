// WebPages: the page view of the web engine, behind an interface that the
// engine module (WebEnginePages.cpp, built as its own shared module)
// implements.
//
// Qt WebEngine brings some forty libraries with it; linked into the program
// they were loaded, and their symbols bound, at every start, although only
// the web-page window uses them. The module is loaded at the first web-page
// control instead (WebBrowser.cpp) and stays loaded.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace lintavo {

// What the page view reports, called on the program's thread.
struct WebPageEvents {
  std::function<void()> LoadStarted;
  std::function<void()> UrlChanged;
  std::function<void()> LoadFinished;
};

class WebPages {
 public:
  virtual ~WebPages() = default;
  virtual QWidget* View() = 0;  // owned by the parent given to the maker
  virtual void Load(const QUrl& url) = 0;
  virtual bool CanGoBack() const = 0;
  virtual bool CanGoForward() const = 0;
  virtual void Back() = 0;
  virtual void Forward() = 0;
  virtual void Reload() = 0;
  virtual void Stop() = 0;
  virtual QString Title() const = 0;
  virtual QUrl Url() const = 0;
};

// The module's one entry point, exported under MakeWebPagesSymbol: a page
// view made as a child of parent, reporting to events.
using MakeWebPagesFunction = WebPages* (*)(QWidget* parent, const WebPageEvents& events);
inline constexpr const char* MakeWebPagesSymbol = "LintavoMakeWebPages";

}  // namespace lintavo
