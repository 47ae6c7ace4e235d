// frmSplash: the start-up window and its timer.
#include "windows/main/frmSplash.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/AppInfo.h"
#include "windows/main/Startup.h"
#include "model/Top.h"

namespace lintavo {

frmSplash::frmSplash(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(AppTitle));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QString::fromUtf8(AppTitle), this);
  QFont big = title->font();
  big.setPointSize(big.pointSize() * 2);
  title->setFont(big);
  layout->addWidget(title);
  const QString version = QStringLiteral("Version %1.%2.%3").arg(AppMajor).arg(AppMinor).arg(AppRevision);
  layout->addWidget(new QLabel(version, this));
  layout->addWidget(new QLabel(QStringLiteral("Loading..."), this));
  Command1 = new QPushButton(QStringLiteral("Continue"), this);
  layout->addWidget(Command1);
  Timer1 = new QTimer(this);
  Timer1->setInterval(TickMilliseconds);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
  connect(this, &QDialog::finished, this, [this] { Form_Unload(); });
}

void frmSplash::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Timer1->start();
}

void frmSplash::closeEvent(QCloseEvent* event) {
  event->ignore();
  Command1_Click();
}

void frmSplash::reject() { Command1_Click(); }

void frmSplash::Command1_Click() { ContinueClicked = FlagTrue; }

// The initialisation may show message boxes, whose event loops run further
// ticks meanwhile; those only count, since the initialisation tick has gone.
void frmSplash::Timer1_Timer() {
  ++SplashTicks;
  if (SplashTicks == InitTick && !InitDone) InitApplication();
  const bool done = InitDone != 0;
  if (ProgramEnded || (done && (SplashTicks > LastTick || ContinueClicked))) {
    Timer1->stop();
    accept();
  }
}

void frmSplash::Form_Unload() {
  Timer1->stop();
  DlgCancelled = 0;
}

}  // namespace lintavo
