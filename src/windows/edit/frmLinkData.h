// frmLinkData: "Link Data For:". Browses a database file or an ODBC data
// source (its tables with their fields as a tree, the rows of a chosen table
// as a grid) so that one cell can be chosen as the key of the link of the
// component LinkItemIndex, and sets or clears that link. A field named
// "Image" holding picture bytes is shown as a picture of the chosen row,
// decoded in memory.
//
// The configured data sources are listed under the Browse button; choosing
// one opens it as Browse opens a file, and its path ("ODBC;DSN=name") is
// the link's path, so a link into it is a remote link. Without a data source
// the list's place says "No data source is configured." and files work as
// ever.
//
// Table and field names reach the database only as they were listed by the
// database itself; values only as bound parameters. A key value is the
// chosen cell's value as stored, whole and byte for byte; an empty cell
// (Null), a picture or other bytes are no key.
//
// A link reopened shows whether the item is linked, and a message says
// which part of it (source, table, field, value) the source no longer holds.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "platform/Database.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace lintavo {

class LinkSource;

class frmLinkData : public QDialog {
  Q_OBJECT
 public:
  explicit frmLinkData(QWidget* parent = nullptr);
  ~frmLinkData() override;

  QLineEdit* txtPath = nullptr;
  QPushButton* cmdBrowse = nullptr;
  QComboBox* cboDataSource = nullptr;  // the configured data sources; none chosen while a file is open
  QLabel* lblDataSources = nullptr;    // in the list's place when there is no data source to list
  QTreeWidget* trvData = nullptr;
  QTableWidget* MSFlexGrid1 = nullptr;  // row 0 the field names, rows 1 .. n the records
  QLabel* lblCount = nullptr;
  QLineEdit* txtCount = nullptr;
  QLineEdit* txtTable = nullptr;
  QLineEdit* txtField = nullptr;
  QLineEdit* txtData = nullptr;
  QLabel* Image1 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QPushButton* cmdLink = nullptr;
  QPushButton* cmdClear = nullptr;
  QLabel* lblLinked = nullptr;
  QPushButton* cmdOK = nullptr;

  Long ImageLoads() const { return imageLoads_; }  // pictures decoded since the dialog opened
  void ClickCell(int row, int column);             // a click on a grid cell

 private:
  void BuildControls();
  void Form_Load();
  void cmdBrowse_Click();
  void ListDataSources();
  void cboDataSource_Click(int index);
  void OpenSourceDatabase();
  void FillTableTree();
  void AddColumnNodes(QTreeWidgetItem* node);
  void FillLinkGrid(QTreeWidgetItem* node);
  void SelectLinkedCell();
  void ShowLinkImage();
  void ShowLinked(bool linked);
  void ClearChoice();
  void ClearGrid();
  void ReportMissingLink();
  bool StoreLink(Integer kind);
  void cmdLink_Click();
  void cmdClear_Click();
  void cmdOK_Click();
  void CloseSource();

  String SourcePath;
  String PreviousPath;
  String ChosenFile;
  std::unique_ptr<LinkSource> SourceConn;  // the open file or data source; null while none is open
  bool SourceConnOpen = false;
  bool HasImageField = false;
  std::vector<Bytes> RowPictures;  // the Image field's bytes of grid rows 1 .. n, while HasImageField
  Long LastImageRow = -1;
  Long imageLoads_ = 0;
  // The key value chosen in the grid of the source shown, byte for byte as
  // the source holds it (a number as its text); Set Link stores it. None
  // until a cell with a value is chosen, and again once the source or the
  // table changes.
  bool ValueChosen = false;
  String ChosenValue;
};

// Shows the window modally for the component LinkItemIndex.
void ShowLinkData();

}  // namespace lintavo
