// Component links: LinkTable rows written and read through the link data
// dialog, against real database files in the test folder and, where the
// SQLite ODBC driver is installed, ODBC data sources over such files.
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "organisation/LinkHand.h"
#include "organisation/LinkSource.h"
#include "windows/edit/frmCompEdit.h"
#include "windows/edit/frmLinkData.h"
#include "platform/Colors.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Services.h"
#include "storage/SpoiltDatabase.h"
#include "storage/StoredDrawing.h"
#include "support/OdbcConfig.h"

namespace lintavo {
namespace {

class frmLinkDataTest : public StoredDrawingTest {
 protected:
  void SetUp() override {
    StoredDrawingTest::SetUp();
    CompDbPath = DwgDbPath;  // Set Link and Clear Link store the component
    valve_ = Definition("Valve", 1);
    ConfigureNoDataSource();
  }
  void TearDown() override {
    ConfigureNoDataSource();
    StoredDrawingTest::TearDown();
  }
  // A loaded component of nlines lines (geometry is not needed here).
  static Long Definition(const String& name, Long nlines) {
    NewItemName = name;
    AddItem(ItemComponent);
    Items[ItemCount].Nlines = nlines;
    return ItemCount;
  }
  // A source database with table Parts: PartNo, Supplier (one Null), Image.
  String PartsDatabase() {
    const String path = ScratchPath("Parts.mdb");
    TestDatabase db(path, true);
    db.Exec("CREATE TABLE Parts (PartNo TEXT, Supplier TEXT, Image BLOB)");
    const DbValue picture(Picture(4));
    db.Exec("INSERT INTO Parts VALUES ('P-1', 'Acme', ?), ('P-2', NULL, NULL), ('P-3', 'Brix', ?)", {picture, picture});
    return path;
  }
  // A blue PNG picture width pixels wide and height high.
  static Bytes Picture(int width, int height = 3) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return Bytes(bytes.begin(), bytes.end());
  }
  // The link dialog for item, worked by operate and closed with EXIT.
  void ShowLinks(Long item, const std::function<void(frmLinkData&)>& operate) {
    LinkItemIndex = item;
    Responder().OnDialog<frmLinkData>(operate, &frmLinkData::cmdOK);
    ShowLinkData();
  }
  static void OpenTable(frmLinkData& dialog, const QString& table) {
    const auto found = dialog.trvData->findItems(table, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    emit dialog.trvData->itemClicked(found[0], 0);
  }
  // Browses to path, opens table and sets the link on cell (row, column).
  void LinkCell(frmLinkData& dialog, const String& path, const QString& table, int row, int column) {
    Responder().AnswerFile(path);
    dialog.cmdBrowse->click();
    OpenTable(dialog, table);
    dialog.ClickCell(row, column);
    dialog.cmdLink->click();
  }
  Long LinkRows() { return static_cast<Long>(Db().Number("SELECT count(*) FROM LinkTable")); }
  static bool Shows(const std::vector<String>& texts, const String& start) {
    return std::any_of(texts.begin(), texts.end(), [&](const String& text) { return text.rfind(start, 0) == 0; });
  }
  static void ChooseDataSource(frmLinkData& dialog, const QString& name) {
    const int index = dialog.cboDataSource->findText(name, Qt::MatchExactly);
    ASSERT_GE(index, 0) << name.toStdString();
    dialog.cboDataSource->setCurrentIndex(index);
    emit dialog.cboDataSource->activated(index);
  }
  // What the dialog shows of its open source, line by line: each table with
  // its fields, then its grid opened: record count, cells, column widths.
  static std::vector<String> Shown(frmLinkData& dialog) {
    std::vector<String> shown;
    for (int t = 0; t < dialog.trvData->topLevelItemCount(); ++t) {
      QTreeWidgetItem* node = dialog.trvData->topLevelItem(t);
      String line = node->text(0).toStdString() + ":";
      for (int c = 0; c < node->childCount(); ++c) line += " " + node->child(c)->text(0).toStdString();
      shown.push_back(line);
      emit dialog.trvData->itemClicked(node, 0);
      shown.push_back("records " + dialog.txtCount->text().toStdString());
      QTableWidget& grid = *dialog.MSFlexGrid1;
      for (int r = 0; r < grid.rowCount(); ++r) {
        String cells;
        for (int c = 0; c < grid.columnCount(); ++c) cells += grid.item(r, c)->text().toStdString() + "|";
        shown.push_back(cells);
      }
      String widths = "widths";
      for (int c = 0; c < grid.columnCount(); ++c) widths += " " + std::to_string(grid.columnWidth(c));
      shown.push_back(widths);
    }
    return shown;
  }
  // Parts.mdb with a second table of numbers, long text and a key of its own.
  String PartsAndPrices() {
    const String path = PartsDatabase();
    TestDatabase db(path, true);
    db.Exec("CREATE TABLE Prices (Code VARCHAR(10), Price REAL, Stock INTEGER, Note MEMO)");
    db.Exec("INSERT INTO Prices VALUES ('P-1', 0.1, 12345678901, 'a note much wider than its field name'), "
            "('P-2', 2.5, NULL, NULL), ('P-3', 1e-05, -4, '')");
    return path;
  }
  Long valve_ = 0;
};

TEST_F(frmLinkDataTest, AnUnlinkedComponentOpensOnTheApplicationFolderUnlinked) {
  for (String* variable : {&LinkObjectName, &LinkPath, &LinkFileName, &LinkTableName, &LinkFieldName,
                           &LinkDataValue, &LinkUserID, &LinkPassword})
    *variable = "stale";
  EXPECT_FALSE(GetObjectLink(valve_));
  for (const String* variable : {&LinkObjectName, &LinkPath, &LinkFileName, &LinkTableName, &LinkFieldName,
                                 &LinkDataValue, &LinkUserID, &LinkPassword})
    EXPECT_EQ(*variable, "");
  ShowLinks(valve_, [](frmLinkData& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Link Data For: Valve");
    EXPECT_EQ(dialog.txtPath->text().toStdString(), AppPath());
    EXPECT_EQ(dialog.trvData->topLevelItemCount(), 0);
    EXPECT_EQ(dialog.lblLinked->text(), "Item NOT Linked");
    EXPECT_EQ(dialog.lblLinked->palette().color(QPalette::WindowText), ToQColor(255));
  });
}

TEST_F(frmLinkDataTest, ARemoteLinkCreatesLinkTableOnceAndKeepsOneRow) {
  Db().Exec("DROP TABLE LinkTable");
  const String parts = PartsDatabase();
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    LinkCell(dialog, parts, "Parts", 2, 0);
    EXPECT_EQ(dialog.lblLinked->text(), "Item Is Linked");
    EXPECT_EQ(dialog.lblLinked->palette().color(QPalette::WindowText), ToQColor(65280));
    dialog.cmdLink->click();
  });
  EXPECT_EQ(Items[valve_].LinkType, LinkRemote);
  EXPECT_EQ(Items[valve_].PartNumber, "P-2");
  EXPECT_EQ(Db().ColumnNames("LinkTable").size(), 12u);
  EXPECT_EQ(LinkRows(), 1);
  EXPECT_EQ(Db().Text("SELECT Path || '|' || TableName || '|' || FieldName || '|' || LinkData || '|' || ObjectName "
                      "FROM LinkTable"),
            parts + "|Parts|PartNo|P-2|Valve");
  // Reopened, the stored cell is chosen again.
  ShowLinks(valve_, [](frmLinkData& dialog) {
    EXPECT_EQ(dialog.lblLinked->text(), "Item Is Linked");
    EXPECT_EQ(dialog.MSFlexGrid1->currentRow(), 2);
    EXPECT_EQ(dialog.MSFlexGrid1->currentColumn(), 0);
    EXPECT_EQ(dialog.txtData->text(), "P-2");
  });
}

TEST_F(frmLinkDataTest, AComponentWithoutLinesWritesNoRow) {
  const Long empty = Definition("Empty", 0);
  LinkPath = PartsDatabase();
  LinkTableName = "Parts";
  EXPECT_TRUE(SaveObjectLink(empty));
  EXPECT_EQ(LinkRows(), 0);
}

TEST_F(frmLinkDataTest, TheKindFollowsThePathComparedExactly) {
  Db().Exec("CREATE TABLE Pumps (Code TEXT)");
  Db().Exec("INSERT INTO Pumps VALUES ('K7')");
  String upper = DwgDbPath;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ASSERT_NE(upper, DwgDbPath);
  const struct { String path; Integer kind; Long rows; } cases[] = {{DwgDbPath, LinkCurrent, 0}, {upper, LinkRemote, 1}};
  for (const auto& c : cases) {
    ShowLinks(valve_, [&](frmLinkData& dialog) {
      Responder().AnswerFile(DwgDbPath);
      dialog.cmdBrowse->click();
      OpenTable(dialog, "Pumps");
      dialog.ClickCell(1, 0);
      dialog.txtPath->setText(QString::fromStdString(c.path));
      dialog.cmdLink->click();
      EXPECT_EQ(dialog.lblLinked->text(), "Item Is Linked");
    });
    EXPECT_EQ(Items[valve_].LinkType, c.kind) << c.path;
    EXPECT_EQ(Items[valve_].LinkTable, "Pumps");
    EXPECT_EQ(LinkRows(), c.rows) << c.path;
    EXPECT_TRUE(GetObjectLink(valve_));
  }
}

TEST_F(frmLinkDataTest, TheGridShowsRecordsNullsAndPicturesOncePerRow) {
  const String parts = PartsDatabase();
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    Responder().AnswerFile(parts);
    dialog.cmdBrowse->click();
    ASSERT_EQ(dialog.trvData->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.trvData->topLevelItem(0)->childCount(), 3);
    OpenTable(dialog, "Parts");
    EXPECT_EQ(dialog.txtCount->text(), "3");
    EXPECT_EQ(dialog.MSFlexGrid1->rowCount(), 4);
    EXPECT_EQ(dialog.lblCount->text(), "Records in Table: Parts");
    EXPECT_EQ(dialog.MSFlexGrid1->item(2, 1)->text(), " ");
    dialog.ClickCell(1, 0);
    EXPECT_EQ(dialog.ImageLoads(), 1);
    ASSERT_FALSE(dialog.Image1->pixmap().isNull());
    EXPECT_EQ(dialog.Image1->pixmap().width(), 4);
    dialog.ClickCell(1, 1);
    EXPECT_EQ(dialog.ImageLoads(), 1);
    EXPECT_EQ(dialog.txtField->text(), "Supplier");
    EXPECT_EQ(dialog.txtData->text(), "Acme");
    dialog.ClickCell(2, 0);
    EXPECT_EQ(dialog.ImageLoads(), 2);
    EXPECT_TRUE(dialog.Image1->pixmap().isNull());
  });
}

TEST_F(frmLinkDataTest, ALargePictureIsShownWholeAndLeavesTheGridItsRows) {
  const String path = ScratchPath("Plans.mdb");
  TestDatabase db(path, true);
  db.Exec("CREATE TABLE Plans (Code TEXT, Image BLOB)");
  for (int i = 1; i <= 12; ++i)
    db.Exec("INSERT INTO Plans VALUES (?, ?)", {DbValue("Plan " + std::to_string(i)), DbValue(Picture(900, 600))});
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    Responder().AnswerFile(path);
    dialog.cmdBrowse->click();
    OpenTable(dialog, "Plans");
    dialog.ClickCell(1, 0);
    dialog.layout()->activate();
    ASSERT_FALSE(dialog.Image1->pixmap().isNull());
    EXPECT_LE(dialog.Image1->pixmap().width(), dialog.Image1->width());
    EXPECT_LE(dialog.Image1->pixmap().height(), dialog.Image1->height());
    EXPECT_NEAR(dialog.Image1->pixmap().width() * 2, dialog.Image1->pixmap().height() * 3, 3);  // still 3 to 2
    const int rowHeight = dialog.MSFlexGrid1->verticalHeader()->defaultSectionSize();
    EXPECT_GE(dialog.MSFlexGrid1->height(), 8 * rowHeight);
  });
}

// The picture of a row is the one read with it when the grid was filled,
// though the source's rows have changed since.
TEST_F(frmLinkDataTest, EachRowShowsThePictureReadWithIt) {
  const String path = ScratchPath("Pictures.mdb");
  TestDatabase db(path, true);
  db.Exec("CREATE TABLE Pictures (Code TEXT, Image BLOB)");
  for (int width : {1, 2, 3}) db.Exec("INSERT INTO Pictures VALUES (?, ?)", {DbValue(std::to_string(width)), DbValue(Picture(width))});
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    Responder().AnswerFile(path);
    dialog.cmdBrowse->click();
    OpenTable(dialog, "Pictures");
    db.Exec("DELETE FROM Pictures WHERE Code = '1'");
    for (int row : {1, 3, 2}) {
      dialog.ClickCell(row, 0);
      ASSERT_FALSE(dialog.Image1->pixmap().isNull()) << "row " << row;
      EXPECT_EQ(dialog.Image1->pixmap().width(), row);
    }
  });
}

TEST_F(frmLinkDataTest, QuotesInNamesAndValuesLinkAndReadBack) {
  Db().Exec("CREATE TABLE \"It's \"\"Parts\"\"\" (\"Part \"\"No\"\"\" TEXT)");
  Db().Exec("INSERT INTO \"It's \"\"Parts\"\"\" VALUES ('O''Brien \"7\"')");
  ShowLinks(valve_, [&](frmLinkData& dialog) { LinkCell(dialog, DwgDbPath, "It's \"Parts\"", 1, 0); });
  EXPECT_EQ(Items[valve_].LinkType, LinkCurrent);
  LinkDataValue.clear();
  EXPECT_TRUE(GetObjectLink(valve_));
  EXPECT_EQ(LinkTableName, "It's \"Parts\"");
  EXPECT_EQ(LinkFieldName, "Part \"No\"");
  EXPECT_EQ(LinkDataValue, "O'Brien \"7\"");
}

TEST_F(frmLinkDataTest, RowsAreFoundByIndexAndNameAndNeverByIndexAlone) {
  Items[valve_].LinkType = LinkRemote;
  Db().Exec("INSERT INTO LinkTable (ObjectID, ObjectName, Path, TableName) VALUES (" + std::to_string(valve_) +
            ", 'Other', 'other.mdb', 'T1'), (99, 'Valve', 'mine.mdb', 'T2')");
  LinkUserID = "kept";
  EXPECT_TRUE(GetObjectLink(valve_));
  EXPECT_EQ(LinkPath, "mine.mdb");
  EXPECT_EQ(LinkUserID, "kept");  // a Null user leaves the variable
  LinkPath = "moved.mdb";
  EXPECT_TRUE(SaveObjectLink(valve_));
  EXPECT_EQ(Db().Rows("SELECT ObjectID, ObjectName, Path FROM LinkTable ORDER BY LinkID"),
            (std::vector<std::vector<String>>{{std::to_string(valve_), "Other", "other.mdb"},
                                              {std::to_string(valve_), "Valve", "moved.mdb"}}));
}

TEST_F(frmLinkDataTest, AFailedSaveIsReportedAndKeepsTheLink) {
  const String parts = PartsDatabase();
  DwgDbPath = ScratchPath("Missing_dwg.mdb");
  Responder().AnswerMsgBox(vbOK);
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    LinkCell(dialog, parts, "Parts", 1, 0);
    EXPECT_EQ(dialog.lblLinked->text(), "Item NOT Linked");
  });
  EXPECT_EQ(Items[valve_].LinkType, LinkNone);
  EXPECT_EQ(Items[valve_].PartNumber, "");
  bool reported = false;
  for (const PromptRecord& prompt : Responder().Prompts())
    if (prompt.kind == PromptKind::MessageBox && prompt.title == "Save Link Data: Valve")
      reported = prompt.text.rfind(std::to_string(DbErrFileNotFound) + ": ", 0) == 0;
  EXPECT_TRUE(reported);
}

TEST_F(frmLinkDataTest, WithoutADataSourceTheDialogSaysSoAndStillOpensAFile) {
  const String parts = PartsDatabase();
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    EXPECT_FALSE(dialog.cboDataSource->isVisible());
    EXPECT_TRUE(dialog.lblDataSources->isVisible());
    EXPECT_EQ(dialog.lblDataSources->text(), "No data source is configured.");
    LinkCell(dialog, parts, "Parts", 3, 0);
    EXPECT_EQ(dialog.txtCount->text(), "3");
  });
  EXPECT_EQ(Items[valve_].LinkType, LinkRemote);
  EXPECT_EQ(Items[valve_].PartNumber, "P-3");
}

// Ordinary fields widen their column to their widest value; long text and
// binary fields keep the width of their name.
TEST_F(frmLinkDataTest, OnlyOrdinaryFieldsWidenTheirColumns) {
  const String wide = "a value much wider than any field name here";
  Db().Exec("CREATE TABLE Notes (Code VARCHAR(60), Memo MEMO, Plain TEXT, Blob BLOB, Big LONGTEXT)");
  Db().Exec("INSERT INTO Notes VALUES (?, ?, ?, ?, ?)",
            {DbValue(wide), DbValue(wide), DbValue(wide), DbValue(Bytes{0}), DbValue(wide)});
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    Responder().AnswerFile(DwgDbPath);
    dialog.cmdBrowse->click();
    OpenTable(dialog, "Notes");
    const int text = QFontMetrics(dialog.MSFlexGrid1->font()).horizontalAdvance(QString::fromStdString(wide));
    const struct { int column; bool widened; } cases[] = {{0, true}, {1, false}, {2, true}, {3, false}, {4, false}};
    for (const auto& c : cases)
      EXPECT_EQ(dialog.MSFlexGrid1->columnWidth(c.column) > text, c.widened) << "column " << c.column;
  });
}

TEST(LinkSourceTypes, LongTypesAreTheLongTextAndBinaryOnes) {
  const std::pair<const char*, bool> cases[] = {
      {"TEXT", false},  {"VARCHAR(20)", false}, {"", false},          {"INTEGER", false}, {"REAL", false},
      {"MEMO", true},   {"LONGTEXT", true},     {"longvarchar", true}, {"BLOB", true},    {"VARBINARY(8)", true},
      // LONG alone is a whole-number type; as part of a long text or binary type's name it is long.
      {"LONG", false},  {"long", false},        {"LONG VARCHAR", true}, {"Long VarBinary", true}, {"LONGBLOB", true},
      {"LONGCHAR", true}, {"LONG RAW", true},   {"LONG NVARCHAR(100)", true},
  };
  for (const auto& [type, isLong] : cases) EXPECT_EQ(IsLongFieldType(type), isLong) << type;
  EXPECT_EQ(DataSourcePath("My Parts"), "ODBC;DSN=My Parts");
  EXPECT_EQ(DataSourceOfPath("odbc;dsn=My Parts;UID=x"), "My Parts");
  EXPECT_EQ(DataSourceOfPath("/home/me/ODBC;DSN=x.mdb"), "");
}

TEST_F(frmLinkDataTest, ADataSourceShowsTheSameTreeAndGridAsItsFile) {
  SKIP_WITHOUT_SQLITE_ODBC();
  const String parts = PartsAndPrices();
  ConfigureSqliteDataSource("Parts Source", parts);
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    ASSERT_TRUE(dialog.cboDataSource->isVisible());
    EXPECT_FALSE(dialog.lblDataSources->isVisible());
    ASSERT_EQ(dialog.cboDataSource->count(), 1);
    EXPECT_EQ(dialog.cboDataSource->currentIndex(), -1);
    Responder().AnswerFile(parts);
    dialog.cmdBrowse->click();
    const std::vector<String> asFile = Shown(dialog);
    ChooseDataSource(dialog, "Parts Source");
    EXPECT_EQ(dialog.txtPath->text(), "ODBC;DSN=Parts Source");
    const std::vector<String> asDataSource = Shown(dialog);
    EXPECT_EQ(asDataSource, asFile);
    ASSERT_EQ(asFile.size(), 14u);  // per table: tree line, count, four grid rows, widths
    EXPECT_EQ(asFile[0], "Parts: PartNo Supplier Image");
    EXPECT_EQ(asFile[7], "Prices: Code Price Stock Note");
    EXPECT_EQ(asFile[8], "records 3");
    EXPECT_EQ(asFile[10], "P-1|0.1|12345678901|a note much wider than its field name|");
    EXPECT_EQ(asFile[12], "P-3|1E-05|-4||");
    // The picture of a row comes through the data source too.
    OpenTable(dialog, "Parts");
    dialog.ClickCell(3, 1);
    ASSERT_FALSE(dialog.Image1->pixmap().isNull());
    EXPECT_EQ(dialog.Image1->pixmap().width(), 4);
    // Browsing to a file again leaves the data source unchosen.
    Responder().AnswerFile(DwgDbPath);
    dialog.cmdBrowse->click();
    EXPECT_EQ(dialog.cboDataSource->currentIndex(), -1);
  });
}

TEST_F(frmLinkDataTest, ALinkToADataSourceRowIsStoredAndReopened) {
  SKIP_WITHOUT_SQLITE_ODBC();
  ConfigureSqliteDataSource("Parts Source", PartsDatabase());
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    ChooseDataSource(dialog, "Parts Source");
    OpenTable(dialog, "Parts");
    dialog.ClickCell(2, 0);
    dialog.cmdLink->click();
    EXPECT_EQ(dialog.lblLinked->text(), "Item Is Linked");
  });
  EXPECT_EQ(Items[valve_].LinkType, LinkRemote);
  EXPECT_EQ(Db().Rows("SELECT Path, TableName, FieldName, LinkData FROM LinkTable"),
            (std::vector<std::vector<String>>{{"ODBC;DSN=Parts Source", "Parts", "PartNo", "P-2"}}));
  LinkPath.clear();
  EXPECT_TRUE(GetObjectLink(valve_));
  EXPECT_EQ(LinkPath, "ODBC;DSN=Parts Source");
  ShowLinks(valve_, [](frmLinkData& dialog) {
    EXPECT_EQ(dialog.cboDataSource->currentText(), "Parts Source");
    EXPECT_EQ(dialog.txtPath->text(), "ODBC;DSN=Parts Source");
    EXPECT_EQ(dialog.lblLinked->text(), "Item Is Linked");
    EXPECT_EQ(dialog.MSFlexGrid1->currentRow(), 2);
    EXPECT_EQ(dialog.MSFlexGrid1->currentColumn(), 0);
    EXPECT_EQ(dialog.txtData->text(), "P-2");
  });
  // A link into a data source that is not configured reopens on nothing, with the driver manager's reason.
  Db().Exec("UPDATE LinkTable SET Path = 'ODBC;DSN=Gone Source'");
  Responder().AnswerMsgBox(vbOK);
  ShowLinks(valve_, [](frmLinkData& dialog) {
    EXPECT_EQ(dialog.txtPath->text(), "ODBC;DSN=Gone Source");
    EXPECT_EQ(dialog.cboDataSource->currentIndex(), -1);
    EXPECT_EQ(dialog.trvData->topLevelItemCount(), 0);
  });
  const PromptRecord& shown = Responder().Prompts().end()[-2];  // before the window itself
  EXPECT_EQ(shown.text.rfind("Unexpected Error: ", 0), 0u) << shown.text;
  EXPECT_NE(shown.text.find("(IM002)"), String::npos) << shown.text;
}

// A data source that failed to open is tried again when chosen again.
TEST_F(frmLinkDataTest, ADataSourceThatFailedOpensWhenChosenAgain) {
  SKIP_WITHOUT_SQLITE_ODBC();
  const QString folder = QString::fromStdString(ScratchPath("Later"));
  const String path = folder.toStdString() + "/Parts.mdb";
  ConfigureSqliteDataSource("Later Source", path);  // its folder is not there yet
  Responder().AnswerMsgBox(vbOK);
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    ChooseDataSource(dialog, "Later Source");
    const PromptRecord& shown = Responder().Prompts().back();
    ASSERT_EQ(shown.kind, PromptKind::MessageBox);
    EXPECT_EQ(shown.text.rfind("Unexpected Error: ", 0), 0u) << shown.text;
    EXPECT_EQ(dialog.trvData->topLevelItemCount(), 0);
    ASSERT_TRUE(QDir().mkpath(folder));
    TestDatabase(path, true).Exec("CREATE TABLE Parts (PartNo TEXT)");
    ChooseDataSource(dialog, "Later Source");
    ASSERT_EQ(dialog.trvData->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.trvData->topLevelItem(0)->text(0), "Parts");
  });
}

TEST_F(frmLinkDataTest, QuotesInNamesAndValuesLinkThroughADataSource) {
  SKIP_WITHOUT_SQLITE_ODBC();
  const String path = ScratchPath("Quotes.mdb");
  TestDatabase quotes(path, true);
  quotes.Exec("CREATE TABLE \"It's \"\"Parts\"\"\" (\"Part \"\"No\"\"\" VARCHAR(20))");
  quotes.Exec("INSERT INTO \"It's \"\"Parts\"\"\" VALUES ('x'), ('O''Brien \"7\"')");
  ConfigureSqliteDataSource("Quote's", path);
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    ChooseDataSource(dialog, "Quote's");
    ASSERT_EQ(dialog.trvData->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.trvData->topLevelItem(0)->child(0)->text(0), "Part \"No\"");
    OpenTable(dialog, "It's \"Parts\"");
    dialog.ClickCell(2, 0);
    dialog.cmdLink->click();
  });
  EXPECT_EQ(Items[valve_].LinkType, LinkRemote);
  EXPECT_TRUE(GetObjectLink(valve_));
  EXPECT_EQ(LinkTableName, "It's \"Parts\"");
  EXPECT_EQ(LinkFieldName, "Part \"No\"");
  EXPECT_EQ(LinkDataValue, "O'Brien \"7\"");
  ShowLinks(valve_, [](frmLinkData& dialog) {
    EXPECT_EQ(dialog.MSFlexGrid1->currentRow(), 2);
    EXPECT_EQ(dialog.txtData->text(), "O'Brien \"7\"");
  });
}

// Every table shows all its rows, and a key is stored whole and byte for
// byte and reopens on its own row: a column named rowid holding Nulls, a
// table WITHOUT ROWID, a key of 40,000 characters, keys that are no UTF-8
// and look alike in the grid.
TEST_F(frmLinkDataTest, HostileTablesAndKeysLinkWholeAndReopenOnTheirRow) {
  const String path = ScratchPath("Hostile.mdb");
  TestDatabase db(path, true);
  db.Exec("CREATE TABLE Shadowed (rowid TEXT, Code TEXT)");
  db.Exec("INSERT INTO Shadowed VALUES (NULL, 'A'), ('r2', 'B'), (NULL, 'C')");
  db.Exec("CREATE TABLE Clustered (Code TEXT PRIMARY KEY, Note TEXT) WITHOUT ROWID");
  db.Exec("INSERT INTO Clustered VALUES ('K2', 'y'), ('K1', 'x')");
  db.Exec("CREATE TABLE Long (Code TEXT)");
  db.Exec("INSERT INTO Long VALUES ('short'), (printf('%.*c', 40000, 'k'))");
  db.Exec("CREATE TABLE Bytes (Code TEXT)");
  db.Exec("INSERT INTO Bytes VALUES (CAST(x'ff41' AS TEXT)), (CAST(x'fe41' AS TEXT))");
  const struct {
    QString table;
    int records, row, column;
    String keyHex;  // the stored key's bytes in hexadecimal
  } cases[] = {
      {"Shadowed", 3, 3, 1, "43"},
      {"Clustered", 2, 2, 0, "4B32"},  // rows in key order
      {"Long", 2, 2, 0, ""},           // 40,000 times "k": below
      {"Bytes", 2, 2, 0, "FE41"},
  };
  String longHex;
  for (int k = 0; k < 40000; ++k) longHex += "6B";
  for (const auto& c : cases) {
    const String hex = c.keyHex.empty() ? longHex : c.keyHex;
    ShowLinks(valve_, [&](frmLinkData& dialog) {
      LinkCell(dialog, path, c.table, c.row, c.column);
      EXPECT_EQ(dialog.txtCount->text().toInt(), c.records) << c.table.toStdString();
      EXPECT_EQ(dialog.lblLinked->text(), "Item Is Linked") << c.table.toStdString();
      EXPECT_EQ(dialog.txtData->text(), dialog.MSFlexGrid1->item(c.row, c.column)->text());  // shown whole
    });
    EXPECT_EQ(Db().Text("SELECT hex(LinkData) FROM LinkTable"), hex) << c.table.toStdString();
    EXPECT_EQ(Db().Text("SELECT hex(PartNumber) FROM Components WHERE Name = 'Valve'"), hex) << c.table.toStdString();
    ShowLinks(valve_, [&](frmLinkData& dialog) {
      EXPECT_EQ(dialog.MSFlexGrid1->currentRow(), c.row) << c.table.toStdString();
      EXPECT_EQ(dialog.MSFlexGrid1->currentColumn(), c.column) << c.table.toStdString();
    });
  }
  EXPECT_TRUE(Responder().MessageTexts().empty());
}

// Set Link stores only a value chosen in the grid of the source shown: not
// an empty cell, nor a value of a table or source shown before.
TEST_F(frmLinkDataTest, SetLinkRefusesUntilAValueIsChosenFromTheSourceShown) {
  const String parts = PartsAndPrices();
  const String notADatabase = ScratchPath("Notes.mdb");
  {
    QFile file(QString::fromStdString(notADatabase));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are no database pages, only text long enough to be read as a header of one");
  }
  const struct {
    const char* lost;
    std::function<void(frmLinkData&)> loseChoice;
  } cases[] = {
      {"an empty cell", [](frmLinkData& dialog) { dialog.ClickCell(2, 1); }},
      {"another table", [](frmLinkData& dialog) { OpenTable(dialog, "Prices"); }},
      {"a source that failed", [&](frmLinkData& dialog) {
         Responder().AnswerFile(notADatabase);
         dialog.cmdBrowse->click();
       }},
  };
  Responder().AnswerEveryMsgBox(vbOK);
  for (const auto& c : cases) {
    ShowLinks(valve_, [&](frmLinkData& dialog) {
      Responder().AnswerFile(parts);
      dialog.cmdBrowse->click();
      OpenTable(dialog, "Parts");
      dialog.ClickCell(1, 0);
      c.loseChoice(dialog);
      if (String(c.lost) != "an empty cell") {
        EXPECT_EQ(dialog.txtField->text(), "") << c.lost;
        EXPECT_EQ(dialog.txtData->text(), "") << c.lost;
      }
      dialog.cmdLink->click();
      EXPECT_EQ(dialog.lblLinked->text(), "Item NOT Linked") << c.lost;
    });
    EXPECT_EQ(Items[valve_].LinkType, LinkNone) << c.lost;
    EXPECT_EQ(LinkRows(), 0) << c.lost;
    EXPECT_TRUE(Shows(Responder().MessageTexts(), "Choose the value to link to")) << c.lost;
  }
  // A source that failed leaves no grid and no table of the one before.
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    LinkCell(dialog, parts, "Parts", 1, 0);
    Responder().AnswerFile(notADatabase);
    dialog.cmdBrowse->click();
    EXPECT_EQ(dialog.MSFlexGrid1->rowCount(), 0);
    EXPECT_EQ(dialog.txtTable->text(), "");
    EXPECT_EQ(dialog.txtCount->text(), "");
  });
}

// A reopened link whose source no longer holds part of it says which part,
// and the label still says the item is linked.
TEST_F(frmLinkDataTest, AReopenedLinkSaysWhatItsSourceNoLongerHolds) {
  const struct {
    const char* change;
    String message;  // how the message starts
  } cases[] = {
      {"ALTER TABLE Parts DROP COLUMN PartNo", "The linked field PartNo is not in table Parts."},
      {"DELETE FROM Parts WHERE PartNo = 'P-2'", "No row of table Parts holds the linked value"},
      {"empty file", "The linked table Parts is not in "},
      {"no file", "Unexpected Error: "},
  };
  Responder().AnswerEveryMsgBox(vbOK);
  for (const auto& c : cases) {
    QFile::remove(QString::fromStdString(ScratchPath("Parts.mdb")));
    const String parts = PartsDatabase();
    ShowLinks(valve_, [&](frmLinkData& dialog) { LinkCell(dialog, parts, "Parts", 2, 0); });
    ASSERT_EQ(Items[valve_].LinkType, LinkRemote);
    const String change = c.change;
    if (change == "empty file" || change == "no file") {
      QFile::remove(QString::fromStdString(parts));
      if (change == "empty file") {
        QFile file(QString::fromStdString(parts));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      }
    } else {
      TestDatabase(parts, true).Exec(change);
    }
    const size_t before = Responder().MessageTexts().size();
    ShowLinks(valve_, [&](frmLinkData& dialog) {
      EXPECT_EQ(dialog.lblLinked->text(), "Item Is Linked") << change;
      EXPECT_EQ(dialog.txtData->text(), "") << change;
    });
    const std::vector<String> shown = Responder().MessageTexts();
    ASSERT_EQ(shown.size(), before + 1) << change;
    EXPECT_EQ(shown.back().rfind(c.message, 0), 0u) << change << ": " << shown.back();
  }
}

// Set Link and Clear Link while another program holds the drawings database:
// the failure is shown, the label and the item keep the link they had.
TEST_F(frmLinkDataTest, ALinkThatCannotBeStoredIsReportedAndNotShownAsSet) {
  Db().Exec("CREATE TABLE Pumps (Code TEXT)");
  Db().Exec("INSERT INTO Pumps VALUES ('K7')");
  const String parts = PartsDatabase();
  Responder().AnswerEveryMsgBox(vbOK);
  for (const String& source : {DwgDbPath, parts}) {
    const QString table = source == parts ? "Parts" : "Pumps";
    ShowLinks(valve_, [&](frmLinkData& dialog) {
      Responder().AnswerFile(source);
      dialog.cmdBrowse->click();
      OpenTable(dialog, table);
      dialog.ClickCell(1, 0);
      TestDatabase locker(DwgDbPath, true);
      locker.Exec("BEGIN EXCLUSIVE");
      dialog.cmdLink->click();
      EXPECT_EQ(dialog.lblLinked->text(), "Item NOT Linked") << source;
      locker.Exec("ROLLBACK");
    });
    EXPECT_EQ(Items[valve_].LinkType, LinkNone) << source;
    EXPECT_EQ(Items[valve_].PartNumber, "") << source;
    EXPECT_TRUE(Shows(Responder().MessageTexts(), "5: database is locked")) << source;  // SQLite's busy code
  }
  EXPECT_EQ(LinkRows(), 0);
}

// A drawings database that a drawing save refuses takes no link row either:
// its LinkTable rebuilt without its key, a page damaged that no read has
// met, a page found damaged when the dialog read the component's linked
// table. Set Link says why, writes nothing, and the component keeps the
// link it had.
TEST_F(frmLinkDataTest, SetLinkWritesNothingIntoADrawingsDatabaseThatASaveRefuses) {
  const String parts = PartsDatabase();
  const struct {
    const char* what;
    std::vector<String> spoil;  // statements run on the copy
    const char* brokenPage;     // the table whose page is broken; nullptr none
    String says;                // the message, after the database's path
  } cases[] = {
      {"LinkTable without its key", WithoutKey("LinkTable"), nullptr,
       "' has no key of its own (its column LinkID does not key its rows): nothing was saved into it."},
      {"a page no read has met", {}, "Objects", "' is damaged ("},
      {"a page found damaged when read", {"CREATE TABLE Pumps (Code TEXT)", "INSERT INTO Pumps VALUES ('K7')"},
       "Pumps", "' is damaged (it was found so when it was read): nothing was saved into it."},
  };
  ItemRec& valve = Items[valve_];  // linked to the row K7 of the drawings database's table Pumps, where there is one
  std::tie(valve.LinkType, valve.LinkTable, valve.LinkField, valve.PartNumber) =
      std::make_tuple(LinkCurrent, "Pumps", "Code", "K7");
  const ItemRec before = valve;
  Responder().AnswerEveryMsgBox(vbOK);
  int round = 0;
  for (const auto& c : cases) [&] {
    SCOPED_TRACE(c.what);
    DwgDbPath = CompDbPath = ScratchPath("Refused" + std::to_string(++round) + "_dwg.mdb");
    SpoiltCopy(path_, DwgDbPath, c.spoil, c.brokenPage);
    const QByteArray bytes = FileBytes(DwgDbPath);
    size_t asked = 0;
    ShowLinks(valve_, [&](frmLinkData& dialog) {
      asked = Responder().Prompts().size();
      LinkCell(dialog, parts, "Parts", 1, 0);
      EXPECT_EQ(dialog.lblLinked->text(), "Item NOT Linked");
    });
    const std::vector<PromptRecord> boxes = Responder().MessageBoxes(asked);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Save Link Data: Valve");
    EXPECT_NE(boxes[0].text.find("'" + DwgDbPath + c.says), String::npos) << boxes[0].text;
    EXPECT_TRUE(FileBytes(DwgDbPath) == bytes) << "the refused database was written";
    EXPECT_EQ(std::tie(valve.LinkType, valve.LinkTable, valve.PartNumber),
              std::tie(before.LinkType, before.LinkTable, before.PartNumber));
  }();
}

TEST_F(frmLinkDataTest, ADataSourceNamingAMissingFileFailsAndMakesNoFile) {
  SKIP_WITHOUT_SQLITE_ODBC();
  const String missing = ScratchPath("Missing.mdb");
  ConfigureSqliteDataSource("Missing Source", missing);
  Responder().AnswerMsgBox(vbOK);
  ShowLinks(valve_, [&](frmLinkData& dialog) {
    ChooseDataSource(dialog, "Missing Source");
    EXPECT_EQ(dialog.trvData->topLevelItemCount(), 0);
  });
  EXPECT_TRUE(Shows(Responder().MessageTexts(), "Unexpected Error: "));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));
}

}  // namespace
}  // namespace lintavo
