// frmLogin: the drawing database log-on: a user name and a password for the
// connection string of the drawing chooser. No menu shows it; a caller
// shows it modally and reads LoginSucceeded afterwards.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace lintavo {

class frmLogin : public QDialog {
  Q_OBJECT
 public:
  explicit frmLogin(QWidget* parent = nullptr);

  // The signed-in user's name (and a stored password) into the boxes;
  // UserName and DbUserID from the name box.
  void Form_Load();
  void cmdOK_Click();      // a non-empty password into DbPassword; success
  void cmdCancel_Click();  // no success

  bool LoginSucceeded = false;
  QLineEdit* txtUserName = nullptr;
  QLineEdit* txtPassword = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
};

}  // namespace lintavo
