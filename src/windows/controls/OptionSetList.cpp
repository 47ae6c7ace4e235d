// OptionSetList: filling a set list, choosing, storing and defaulting sets.
#include "windows/controls/OptionSetList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "windows/controls/OptionBoxes.h"
#include "app/Setings.h"
#include "platform/Prompts.h"

namespace lintavo {

// ---- Filling lists of set names --------------------------------------------------------

int FillSetNames(QComboBox& list, Integer Stype, const String& selectName) {
  const QSignalBlocker quiet(list);
  list.clear();
  int shown = 0;
  bool matched = false;
  for (Long i = 1; i <= SettingCount; ++i) {
    const SettingRecord& set = SettingSets[i];
    if (set.Stype != Stype) continue;
    list.addItem(QString::fromStdString(set.StrSlot[1]));
    if (!matched && set.StrSlot[1] == selectName) {
      shown = list.count() - 1;
      matched = true;  // names repeat only by mistake; the first is the one applied
    }
  }
  list.setCurrentIndex(list.count() > 0 ? shown : -1);
  return shown;
}

// ---- Binding a list --------------------------------------------------------------------

OptionSetList::OptionSetList(QComboBox& list, Integer Stype, EchoInput echo, std::function<void()> refresh)
    : QObject(&list), list_(list), stype_(Stype), echo_(echo), refresh_(std::move(refresh)) {
  list_.setEditable(true);
  list_.setInsertPolicy(QComboBox::NoInsert);  // a typed name is stored, not listed
  connect(&list_, &QComboBox::activated, this, [this](int position) { Choose(position); });
  OnEnterKey(&list_, [this](const String&) { EnterPressed(); });
}

void OptionSetList::BindButtons(QPushButton* update, QPushButton* makeDefault) {
  connect(update, &QPushButton::clicked, this, [this] { UpdateClicked(); });
  connect(makeDefault, &QPushButton::clicked, this, [this] { DefaultClicked(); });
}

void OptionSetList::Fill() { ShownSetIndex = FillSetNames(list_, stype_, CurrentSettingNames[stype_]); }

int OptionSetList::PositionOf(const String& name) const {
  return list_.findText(QString::fromStdString(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void OptionSetList::Choose(int position) {
  OptionName = position >= 0 ? list_.itemText(position).toStdString() : list_.currentText().toStdString();
  if (position < 0) {
    if (!OptionName.empty()) StoreSettings(OptionName, stype_);
    return;
  }
  if (position != ShownSetIndex && ApplySettings(OptionName, stype_) && refresh_) refresh_();
}

void OptionSetList::EnterPressed() {
  OptionName = list_.currentText().toStdString();
  if (echo_ == EchoInput::Show) MsgBox(" input = " + OptionName, vbOKOnly);
  if (PositionOf(OptionName) < 0 && !OptionName.empty()) Store();
}

void OptionSetList::UpdateClicked() {
  OptionName = list_.currentText().toStdString();
  if (!OptionName.empty()) Store();
}

void OptionSetList::Store() {
  const bool added = FindSettingSet(OptionName, stype_) == 0;
  StoreSettings(OptionName, stype_);
  if (stored_ && FindSettingSet(OptionName, stype_) != 0) stored_(OptionName, added);
}

void OptionSetList::DefaultClicked() {
  OptionName = list_.currentText().toStdString();
  MakeDefaultSettings(OptionName, stype_);
}

}  // namespace lintavo
