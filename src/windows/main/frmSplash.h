// frmSplash: the start-up window, shown modally while the program
// initialises. Its timer runs the one-time initialisation (InitApplication)
// on its second tick and closes the window from its eleventh tick on, or at
// the first tick after "Continue" once the initialisation is done. It also
// closes at its next tick when the initialisation ended the program.
//
// Nothing closes the window before the initialisation has run: Esc and the
// close box count as "Continue".
#pragma once

#include <QDialog>

#include "platform/Types.h"

class QPushButton;
class QTimer;

namespace lintavo {

class frmSplash : public QDialog {
  Q_OBJECT
 public:
  explicit frmSplash(QWidget* parent = nullptr);

  static constexpr int TickMilliseconds = 250;  // period of Timer1
  static constexpr Integer InitTick = 2;        // the tick that runs the initialisation
  static constexpr Integer LastTick = 10;       // from the tick after it the window closes

  // ---- Controls ----------------------------------------------------------------
  QPushButton* Command1 = nullptr;  // "Continue"
  QTimer* Timer1 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;    // starts the timer
  void closeEvent(QCloseEvent* event) override;  // the close box: as "Continue"
  void reject() override;                        // Esc: as "Continue"

 private:
  void Command1_Click();  // ContinueClicked := true; the window stays until initialised
  void Timer1_Timer();
  void Form_Unload();     // start-up goes on whatever closed the window

  Integer SplashTicks = 0;                  // ticks counted
  Integer ContinueClicked = FlagFalse;      // flag: "Continue" was pressed
};

}  // namespace lintavo
