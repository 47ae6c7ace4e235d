// Component links: LinkTable rows written and read through the link data
// dialog, against real database files in the test folder.
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "organisation/LinkHand.h"
#include "organisation/frmCompEdit.h"
#include "organisation/frmLinkData.h"
#include "platform/Colors.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Services.h"
#include "storage/StoredDrawing.h"

namespace lintavo {
namespace {

class frmLinkDataTest : public StoredDrawingTest {
 protected:
  void SetUp() override {
    StoredDrawingTest::SetUp();
    CompDbPath = DwgDbPath;  // Set Link and Clear Link store the component
    valve_ = Definition("Valve", 1);
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
    db.Exec("INSERT INTO Parts VALUES ('P-1', 'Acme', x'" + PictureHex() + "'), ('P-2', NULL, NULL), "
            "('P-3', 'Brix', x'" + PictureHex() + "')");
    return path;
  }
  static String PictureHex() {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toHex().toStdString();
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
  Long valve_ = 0;
};

TEST_F(frmLinkDataTest, AnUnlinkedComponentOpensOnTheApplicationFolderUnlinked) {
  LinkPath = "stale";
  EXPECT_FALSE(GetObjectLink(valve_));
  for (const String* variable : {&LinkPath, &LinkFileName, &LinkTableName, &LinkFieldName, &LinkDataValue,
                                 &LinkUserID, &LinkPassword})
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

}  // namespace
}  // namespace lintavo
