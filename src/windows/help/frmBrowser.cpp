// frmBrowser: the web-page window.
//
// Sections:
//   Addresses
//   Building and laying out
//   Page events
//   Address box
//   Timer and tool bar
//   Showing the window
#include "windows/help/frmBrowser.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include "app/AppInfo.h"
#include "platform/Icons.h"
#include "platform/Prompts.h"
#include "platform/Services.h"
#include "platform/WebBrowser.h"
#include "platform/WindowPlace.h"

namespace lintavo {

// ---- Addresses -------------------------------------------------------------

String HomePageAddress() { return FileAddress(AppFilePath(HomePageFileName)); }

String SearchPageAddress() { return HomePageAddress() + "#" + SearchSection; }

// ---- Building and laying out -----------------------------------------------

namespace {

// The tool bar's buttons in order: key (also the icon's name) and tool tip.
struct BrowserButton {
  const char* key;
  const char* toolTip;
};
constexpr BrowserButton BrowserButtons[] = {
    {"Back", "Back"},     {"Forward", "Forward"}, {"Refresh", "Refresh"}, {"Home", "Home"},
    {"Search", "Search"}, {"Stop", "Stop"},       {"Close", "Close"},
};

// Places, in twips (1440 to the inch).
constexpr double TwipsPerInch = 1440;
constexpr int AddressLeft = 50;     // the label, the address box and the page start here
constexpr int LabelTop = 30;        // the label's top in the strip
constexpr int LabelToBox = 15;      // from the label's bottom to the address box
constexpr int StripBelowBox = 60;   // the strip's bottom below the address box
constexpr int SizeMargin = 100;     // the address box and the page are this much narrower, the page shorter
constexpr int StartWidth = 800;     // pixels: the window's first size
constexpr int StartHeight = 600;

constexpr int EnterKey = 13;  // the key code of Enter in a key press

}  // namespace

frmBrowser::frmBrowser(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName("frmBrowser");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(AppTitle);
  BuildToolBar();
  picAddress = new QWidget(this);
  picAddress->setObjectName("picAddress");
  lblAddress = new QLabel("&Address:", picAddress);
  lblAddress->setObjectName("lblAddress");
  cboAddress = new QComboBox(picAddress);
  cboAddress->setObjectName("cboAddress");
  cboAddress->setEditable(true);
  cboAddress->setInsertPolicy(QComboBox::NoInsert);  // the window keeps the list itself
  lblAddress->setBuddy(cboAddress);
  // Enter is taken before the box acts on it: the window's key press handles
  // it. The keyboard's keys reach the box, which hands them to its line edit
  // directly (past the line edit's filters); keys sent to the line edit itself
  // do not pass the box. Both are watched.
  cboAddress->installEventFilter(this);
  cboAddress->lineEdit()->installEventFilter(this);
  // A person's choice from the list, even of the entry already chosen;
  // the window's own changes to the list do not count.
  connect(cboAddress, &QComboBox::activated, this, &frmBrowser::cboAddress_Click);
  brwWebBrowser = new WebBrowser(this);
  brwWebBrowser->setObjectName("brwWebBrowser");
  brwWebBrowser->SetHomePage(HomePageAddress());
  brwWebBrowser->SetSearchPage(SearchPageAddress());
  connect(brwWebBrowser, &WebBrowser::NavigateComplete, this, &frmBrowser::brwWebBrowser_NavigateComplete);
  connect(brwWebBrowser, &WebBrowser::DownloadComplete, this, &frmBrowser::brwWebBrowser_DownloadComplete);
  timTimer = new QTimer(this);
  timTimer->setObjectName("timTimer");
  timTimer->setInterval(BusyTickMs);
  connect(timTimer, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);
  resize(StartWidth, StartHeight);
  CentreOverOwner(*this);
}

void frmBrowser::BuildToolBar() {
  tbToolBar = new QToolBar(this);
  tbToolBar->setObjectName("tbToolBar");
  for (const BrowserButton& button : BrowserButtons) {
    const QString key = QString::fromUtf8(button.key);
    QAction* action = tbToolBar->addAction(SvgIcon(IconName(key)), key);
    action->setObjectName(key);
    action->setToolTip(QString::fromUtf8(button.toolTip));
    connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
  }
}

int frmBrowser::Pixels(int twips) const {
  const QScreen* shown = screen();
  const double pixelsPerInch = shown ? shown->logicalDotsPerInch() : 96.0;
  return qRound(twips * pixelsPerInch / TwipsPerInch);
}

void frmBrowser::Form_Load() {
  show();
  tbToolBar->update();
  Form_Resize();
  if (StartingAddress.empty()) return;
  cboAddress->setEditText(QString::fromStdString(StartingAddress));
  DontNavigateNow = true;  // the first entry becomes the current one
  cboAddress->addItem(QString::fromStdString(StartingAddress));
  DontNavigateNow = false;
  timTimer->start();
  brwWebBrowser->Navigate(StartingAddress);
}

// The tool bar and the strip span the window; below them the address box
// and the page keep a margin to the window's edges.
void frmBrowser::Form_Resize() {
  const int inner = width();
  tbToolBar->setGeometry(0, 0, inner, tbToolBar->sizeHint().height());
  const int labelTop = Pixels(LabelTop);
  lblAddress->setGeometry(Pixels(AddressLeft), labelTop, lblAddress->sizeHint().width(),
                          lblAddress->sizeHint().height());
  const int boxTop = labelTop + lblAddress->height() + Pixels(LabelToBox);
  cboAddress->setGeometry(Pixels(AddressLeft), boxTop, qMax(0, inner - Pixels(SizeMargin)),
                          cboAddress->sizeHint().height());
  picAddress->setGeometry(0, tbToolBar->height(), inner,
                          boxTop + cboAddress->height() + Pixels(StripBelowBox));
  const int pageTop = picAddress->y() + picAddress->height();
  brwWebBrowser->setGeometry(Pixels(AddressLeft), pageTop, qMax(0, inner - Pixels(SizeMargin)),
                             qMax(0, height() - pageTop - Pixels(SizeMargin)));
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

// ---- Page events -----------------------------------------------------------

void frmBrowser::ShowPageName() { setWindowTitle(QString::fromStdString(brwWebBrowser->LocationName())); }

void frmBrowser::brwWebBrowser_DownloadComplete() { ShowPageName(); }

void frmBrowser::brwWebBrowser_NavigateComplete() {
  ShowPageName();
  const QString current = QString::fromStdString(brwWebBrowser->LocationURL());
  const int found = cboAddress->findText(current);  // the first entry equal to it
  DontNavigateNow = true;
  if (found >= 0) cboAddress->removeItem(found);
  cboAddress->insertItem(0, current);
  cboAddress->setCurrentIndex(0);
  DontNavigateNow = false;
}

// ---- Address box -----------------------------------------------------------

void frmBrowser::cboAddress_Click() {
  if (DontNavigateNow) return;
  timTimer->start();
  brwWebBrowser->Navigate(cboAddress->currentText().toStdString());
}

void frmBrowser::cboAddress_KeyPress(int KeyAscii) {
  if (KeyAscii == EnterKey) cboAddress_Click();
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event) {
  const bool addressBox = watched == cboAddress || watched == cboAddress->lineEdit();
  if (addressBox && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      cboAddress_KeyPress(EnterKey);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Timer and tool bar ----------------------------------------------------

void frmBrowser::timTimer_Timer() {
  if (brwWebBrowser->Busy()) {
    setWindowTitle(WorkingCaption);
    return;
  }
  timTimer->stop();
  ShowPageName();
}

void frmBrowser::tbToolBar_ButtonClick(const QString& Key) {
  timTimer->start();
  if (Key == "Back") {
    brwWebBrowser->GoBack();
  } else if (Key == "Forward") {
    brwWebBrowser->GoForward();
  } else if (Key == "Refresh") {
    brwWebBrowser->Refresh();
  } else if (Key == "Home") {
    brwWebBrowser->GoHome();
  } else if (Key == "Search") {
    brwWebBrowser->GoSearch();
  } else if (Key == "Stop") {
    timTimer->stop();
    brwWebBrowser->Stop();
    ShowPageName();
  } else if (Key == "Close") {
    timTimer->stop();
    brwWebBrowser->Stop();
    close();
  }
}

// ---- Showing the window ----------------------------------------------------

frmBrowser* ShowBrowser(const String& StartingAddress, QWidget* owner) {
  auto* window = new frmBrowser(owner);
  window->StartingAddress = StartingAddress;
  window->Form_Load();
  return window;
}

String HomePageMissingText() {
  return String("The home page ") + HomePageFileName + " was not found in the application folder:\r\n" +
         AppPath();
}

void ShowHomePage(QWidget* owner) {
  if (!FileExists(AppFilePath(HomePageFileName))) {
    MsgBox(HomePageMissingText(), vbExclamation);
    return;
  }
  ShowBrowser(HomePageAddress(), owner);
}

}  // namespace lintavo
