// OptionSetList: the list of named option sets in an option dialog, with its
// update and default buttons. Every option dialog (drawing, display, text,
// dimension, fills, and the management profiles) handles its set list this
// way:
//
//   - Filling: the names of the type's sets in SettingSets order; the set
//     applied last (CurrentSettingNames) is selected, else the first. A
//     refill is not a choice: it applies nothing.
//   - Choosing another entry applies that set; the dialog then refreshes its
//     controls (and with them the list). Choosing the entry already shown
//     applies nothing.
//   - Enter in the list's box: a name that is not in the list (and not
//     empty) is stored as a new set from the current values. Some dialogs
//     first echo the name (" input = " and the name). The list is not
//     refilled.
//   - Update stores the current values under the name in the box (not empty).
//   - Default makes the name in the box the default set of the type.
//
// Sections:
//   Binding a list
//   Filling lists of set names
#pragma once

#include <QObject>
#include <functional>

#include "platform/Types.h"

class QComboBox;
class QPushButton;

namespace lintavo {

// ---- Filling lists of set names --------------------------------------------------------
// Fills list with the names of the sets of type Stype (signals blocked) and
// selects the entry named selectName, else the first; its position, 0 when
// the list is empty or nothing matched.
int FillSetNames(QComboBox& list, Integer Stype, const String& selectName);

// ---- Binding a list --------------------------------------------------------------------
// Whether Enter in the list echoes the typed name in a message box first.
enum class EchoInput { Silent, Show };

class OptionSetList : public QObject {
 public:
  // Binds list (editable) to the sets of type Stype. refresh runs after a
  // chosen set was applied; it is expected to call Fill.
  OptionSetList(QComboBox& list, Integer Stype, EchoInput echo, std::function<void()> refresh);

  // The buttons that store the current values under the list's name and
  // make it the type's default.
  void BindButtons(QPushButton* update, QPushButton* makeDefault);
  // Runs after Update or Enter stored a set: its name, and whether it is new.
  void OnStored(std::function<void(const String& name, bool added)> stored) { stored_ = std::move(stored); }

  void Fill();  // the names again, the set applied last selected

  // What the user does, as the list and buttons report it.
  void Choose(int position);  // an entry chosen from the list
  void EnterPressed();        // Enter in the list's box
  void UpdateClicked();
  void DefaultClicked();

  String OptionName;      // the set name last read from the list
  int ShownSetIndex = 0;  // the position the last fill selected

 private:
  int PositionOf(const String& name) const;  // the entry of that exact name; -1 none
  void Store();                              // OptionName stored, then the hook told

  QComboBox& list_;
  Integer stype_;
  EchoInput echo_;
  std::function<void()> refresh_;
  std::function<void(const String&, bool)> stored_;
};

}  // namespace lintavo
