// The web-page window on local pages: its address history, the address box's
// guard, the busy caption, the tool bar and the Help menu's entry.
//
// Pages are files in the test's folder and load through the real web
// engine; every wait for a load is bounded and ends on the window's own
// sign that it is done: its timer stops once a tick finds the page idle.
#include <QComboBox>
#include <QAbstractItemView>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/AppInfo.h"
#include "windows/help/frmBrowser.h"
#include "platform/WebBrowser.h"
#include "support/DrawingDriver.h"
#include "support/EventWait.h"
#include "view/ViewFixture.h"

namespace lintavo {
namespace {

constexpr int LoadLimitMs = 20000;  // a local page loads in well under this, on any machine

class BrowserTest : public ViewFixture {
 protected:
  void TearDown() override {
    for (const QPointer<frmBrowser>& window : windows_) delete window.data();
    ViewFixture::TearDown();
  }

  // A page in the test's folder with that title; returns its file address.
  String WritePage(const String& name, const String& title) {
    const String path = ScratchPath(name);
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(("<html><head><title>" + title + "</title></head><body>" + title + "</body></html>").c_str());
    return FileAddress(path);
  }
  frmBrowser& Show(const String& address) {
    windows_.emplace_back(ShowBrowser(address));
    return *windows_.back();
  }
  // Waits until the window's timer has found the page idle. The wait runs a
  // real event loop: the web engine does its work from the loop's timers.
  static bool Settle(frmBrowser& window) {
    return RunEventsUntil([&] { return !window.timTimer->isActive(); }, LoadLimitMs);
  }
  // Chooses an entry of the address box's list as a person does: opens the
  // list and clicks the entry.
  static void ChooseEntry(frmBrowser& window, int index) {
    QComboBox* box = window.cboAddress;
    box->showPopup();
    QAbstractItemView* list = box->view();
    const QRect entry = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
  }
  static void Press(frmBrowser& window, const char* key) {
    window.tbToolBar->findChild<QAction*>(key)->trigger();
  }
  static void TypeAndEnter(frmBrowser& window, const String& address) {
    window.cboAddress->lineEdit()->setText(QString::fromStdString(address));
    QTest::keyClick(window.cboAddress->lineEdit(), Qt::Key_Return);
  }
  static std::vector<String> History(const frmBrowser& window) {
    std::vector<String> entries;
    for (int i = 0; i < window.cboAddress->count(); ++i)
      entries.push_back(window.cboAddress->itemText(i).toStdString());
    return entries;
  }
  static String Caption(const frmBrowser& window) { return window.windowTitle().toStdString(); }

  std::vector<QPointer<frmBrowser>> windows_;  // closed ones are null
};

TEST_F(BrowserTest, AnEmptyStartingAddressNavigatesNowhere) {
  frmBrowser& window = Show("");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.cboAddress->currentText(), "");
  EXPECT_EQ(window.cboAddress->count(), 0);
  EXPECT_FALSE(window.timTimer->isActive());
  EXPECT_FALSE(window.brwWebBrowser->Busy());
  EXPECT_EQ(window.brwWebBrowser->LocationURL(), "");
  EXPECT_EQ(Caption(window), AppTitle);
}

TEST_F(BrowserTest, EachVisitedAddressHeadsTheHistoryOnce) {
  const String first = WritePage("first.html", "First Page");
  const String second = WritePage("second.html", "Second Page");
  frmBrowser& window = Show(first);
  ASSERT_TRUE(Settle(window));
  EXPECT_EQ(Caption(window), "First Page");
  EXPECT_EQ(History(window), std::vector<String>({first}));

  TypeAndEnter(window, second);  // Enter in the address box navigates
  ASSERT_TRUE(Settle(window));
  EXPECT_EQ(window.brwWebBrowser->LocationURL(), second);
  EXPECT_EQ(Caption(window), "Second Page");
  EXPECT_EQ(History(window), std::vector<String>({second, first}));
  EXPECT_EQ(window.cboAddress->currentText().toStdString(), second);

  ChooseEntry(window, 1);  // choosing an entry of the list navigates to it
  ASSERT_TRUE(Settle(window));
  EXPECT_EQ(window.brwWebBrowser->LocationURL(), first);
  EXPECT_EQ(History(window), std::vector<String>({first, second}));
}

// The keyboard's keys go to the address box, the focus widget, which hands
// them to its line edit: Return and the keypad's Enter both open the address.
TEST_F(BrowserTest, ReturnAndKeypadEnterAtTheAddressBoxOpenTheTypedAddress) {
  const String first = WritePage("first.html", "First Page");
  const String second = WritePage("second.html", "Second Page");
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Return, Qt::NoModifier},
                                                           {Qt::Key_Enter, Qt::KeypadModifier}};
  frmBrowser& window = Show(first);
  ASSERT_TRUE(Settle(window));
  String typed = second;
  for (const auto& [key, modifiers] : keys) {
    window.cboAddress->lineEdit()->setText(QString::fromStdString(typed));
    QTest::keyClick(window.cboAddress, key, modifiers);
    ASSERT_TRUE(Settle(window));
    EXPECT_EQ(window.brwWebBrowser->LocationURL(), typed) << key;
    typed = typed == second ? first : second;
  }
}

// A web server on this machine with one page, "Remote Page"; it counts the
// page's requests.
class OnePageServer {
 public:
  OnePageServer() {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          if (socket->readAll().startsWith("GET /page.html")) ++requests;
          socket->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
                        "<html><head><title>Remote Page</title></head><body>Remote</body></html>");
          socket->disconnectFromHost();
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  String Address() const { return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/page.html"; }
  int requests = 0;

 private:
  QTcpServer server_;
};

// A local page that leads on to a web page: the web page loads, and Refresh
// loads it again rather than showing the engine's refusal.
TEST_F(BrowserTest, AWebPageReachedFromALocalPageLoadsAndCanBeRefreshed) {
  OnePageServer web;
  const String path = ScratchPath("leads.html");
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(("<html><head><title>Leads On</title><meta http-equiv=\"refresh\" content=\"0; url=" +
              web.Address() + "\"></head><body>On</body></html>").c_str());
  file.close();
  frmBrowser& window = Show(FileAddress(path));
  ASSERT_TRUE(RunEventsUntil([&] { return Caption(window) == "Remote Page"; }, LoadLimitMs))
      << Caption(window);
  EXPECT_EQ(web.requests, 1);
  Press(window, "Refresh");
  ASSERT_TRUE(RunEventsUntil([&] { return web.requests == 2 && !window.brwWebBrowser->Busy(); }, LoadLimitMs));
  ASSERT_TRUE(Settle(window));
  EXPECT_EQ(Caption(window), "Remote Page");
  EXPECT_EQ(window.brwWebBrowser->LocationURL(), web.Address());
}

TEST_F(BrowserTest, ChoosingTheEntryAlreadyChosenNavigatesToIt) {
  const String first = WritePage("first.html", "First Page");
  frmBrowser& window = Show(first);
  ASSERT_TRUE(Settle(window));
  ASSERT_EQ(window.cboAddress->currentIndex(), 0);
  window.cboAddress->lineEdit()->setText("typed but not entered");
  ChooseEntry(window, 0);
  EXPECT_TRUE(window.timTimer->isActive()) << "the page is being loaded again";
  EXPECT_EQ(window.cboAddress->currentText().toStdString(), first);
  ASSERT_TRUE(Settle(window));
  EXPECT_EQ(window.brwWebBrowser->LocationURL(), first);
  EXPECT_EQ(Caption(window), "First Page");
  EXPECT_EQ(History(window), std::vector<String>({first}));
}

TEST_F(BrowserTest, RewritingTheListDoesNotNavigate) {
  const String first = WritePage("first.html", "First Page");
  const String second = WritePage("second.html", "Second Page");
  frmBrowser& window = Show(first);
  ASSERT_TRUE(Settle(window));
  TypeAndEnter(window, second);
  ASSERT_TRUE(Settle(window));
  ASSERT_EQ(History(window), std::vector<String>({second, first}));

  // The page reported again: taking "second" out makes "first" the chosen
  // entry for a moment, which must not open it.
  window.brwWebBrowser_NavigateComplete();
  EXPECT_FALSE(window.timTimer->isActive());
  EXPECT_FALSE(window.brwWebBrowser->Busy());
  EXPECT_EQ(History(window), std::vector<String>({second, first}));
  ASSERT_TRUE(Settle(window));
  EXPECT_EQ(window.brwWebBrowser->LocationURL(), second);
}

TEST_F(BrowserTest, StopDuringALoadShowsThePageNameAndWorkingNeverReturns) {
  const String first = WritePage("first.html", "First Page");
  const String second = WritePage("second.html", "Second Page");
  frmBrowser& window = Show(first);
  ASSERT_TRUE(Settle(window));

  TypeAndEnter(window, second);
  ASSERT_TRUE(window.brwWebBrowser->Busy());
  window.timTimer_Timer();  // a tick while the page loads
  EXPECT_EQ(Caption(window), WorkingCaption);
  QSignalSpy captions(&window, &QWidget::windowTitleChanged);
  Press(window, "Stop");
  EXPECT_EQ(Caption(window), "First Page");  // the page shown, at once
  EXPECT_FALSE(window.timTimer->isActive());
  EXPECT_FALSE(window.brwWebBrowser->Busy());
  // The timer is stopped, so no later tick can bring the busy caption back.
  for (const QList<QVariant>& caption : captions) EXPECT_NE(caption.at(0).toString(), WorkingCaption);
  EXPECT_EQ(Caption(window), "First Page");
}

// Each button in turn from the page the window opened at; where it leads
// and the history after it.
TEST_F(BrowserTest, TheToolBarWalksTheHistoryAndTheProgramsPages) {
  const String start = WritePage("start.html", "Start Page");
  const String home = HomePageAddress();
  const String search = SearchPageAddress();
  struct Step {
    const char* key;
    String address;               // shown after the button
    std::vector<String> history;  // the address box's list after it
  };
  const Step steps[] = {
      {"Home", home, {home, start}},
      {"Search", search, {search, home, start}},
      {"Back", home, {home, search, start}},
      {"Forward", search, {search, home, start}},
      {"Refresh", search, {search, home, start}},
      {"Forward", search, {search, home, start}},  // nothing ahead: stays
  };
  frmBrowser& window = Show(start);
  ASSERT_TRUE(Settle(window));
  for (const Step& step : steps) {
    SCOPED_TRACE(step.key);
    Press(window, step.key);
    ASSERT_TRUE(Settle(window));
    EXPECT_EQ(window.brwWebBrowser->LocationURL(), step.address);
    EXPECT_EQ(History(window), step.history);
    EXPECT_EQ(Caption(window), AppTitle);  // the home page's name
  }
}

TEST_F(BrowserTest, TheAddressBoxAndThePageFollowTheWindowsSize) {
  frmBrowser& window = Show("");
  window.resize(700, 500);
  const QRect box = window.cboAddress->geometry();
  const QRect page = window.brwWebBrowser->geometry();
  EXPECT_EQ(page.top(), window.picAddress->geometry().bottom() + 1);  // just below the strip
  window.resize(900, 650);
  EXPECT_EQ(window.cboAddress->width(), box.width() + 200);
  EXPECT_EQ(window.brwWebBrowser->width(), page.width() + 200);
  EXPECT_EQ(window.brwWebBrowser->height(), page.height() + 150);
  EXPECT_EQ(window.brwWebBrowser->pos(), page.topLeft());
}

TEST_F(BrowserTest, CloseStopsAndClosesTheWindow) {
  frmBrowser& window = Show(WritePage("first.html", "First Page"));
  const QPointer<frmBrowser> watched(&window);
  Press(window, "Close");
  EXPECT_FALSE(window.timTimer->isActive());
  EXPECT_FALSE(window.isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watched.isNull());
}

TEST_F(BrowserTest, HelpOnTheWebOpensANewHomePageWindowEachTimeWithoutWaiting) {
  DrawingDriver::Choose("mnuHelpWeb");  // returns at once: the window is not modal
  DrawingDriver::Choose("mnuHelpWeb");
  const QList<frmBrowser*> windows = main_->findChildren<frmBrowser*>();
  ASSERT_EQ(windows.size(), 2);
  for (frmBrowser* window : windows) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    ASSERT_TRUE(Settle(*window));
    EXPECT_EQ(window->brwWebBrowser->LocationURL(), HomePageAddress());
    EXPECT_EQ(window->windowTitle(), AppTitle);
  }
  EXPECT_TRUE(Responder().Prompts().empty());
}

TEST_F(BrowserTest, AMissingHomePageIsReportedAndNoWindowOpens) {
  ASSERT_TRUE(QFile::remove(QString::fromStdString(AppFolder()) + "/" + HomePageFileName));
  Responder().AnswerMsgBox(vbOK);
  DrawingDriver::Choose("mnuHelpWeb");
  ASSERT_EQ(Responder().Prompts().size(), 1U);
  EXPECT_EQ(Responder().Prompts()[0].text, HomePageMissingText());
  EXPECT_NE(HomePageMissingText().find(AppFolder()), String::npos);
  EXPECT_TRUE(main_->findChildren<frmBrowser*>().isEmpty());
}

}  // namespace
}  // namespace lintavo
