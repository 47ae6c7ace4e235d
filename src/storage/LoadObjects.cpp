// LoadObjects: component and named-item lookup in memory and loading from
// the databases.
//
// Sections:
//   Helpers
//   Components
//   Named items of a drawing
#include "storage/LoadObjects.h"

#include "model/DataHand.h"
#include "model/Top.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "platform/TextCompare.h"
#include "storage/RowReader.h"

namespace lintavo {

namespace {

const char* const FindObjectTitle = "Find Object";
const char* const LoadObjectLinesTitle = "Load Object Lines";

// ---- Helpers -------------------------------------------------------------------------------

// A database opened read-only with one table; the error of whichever failed.
struct OpenTable {
  Connection connection;
  Recordset table;
  bool Open(const String& path, const String& name) {
    OpenDbPath = path;
    return connection.Open(path, OpenMode::ReadOnly) && table.Open(connection, name);
  }
  const DbError& Error() const { return connection.Error().Number ? connection.Error() : table.Error(); }
  bool Failed() const { return Error().Number != DbErrNone; }
};

void ShowError(const DbError& error, const String& title) { MsgBox(ErrorText(error), vbOKOnly, title); }

// Moves rs to the first row at or after the current one named name (letter
// case ignored, as the database compares names) whose kind is kind; false
// at the end or on failure.
bool FindNameOfKind(Recordset& rs, const String& name, Integer kind) {
  const int rtype = rs.FieldIndex("Rtype");
  while (rs.Find("Name", DbValue(name)) && !rs.Eof()) {
    Integer found = 0;
    if (ReadInteger(rs, rtype, found) && found == kind) return true;
    if (rs.Failed() || !rs.MoveNext()) return false;
  }
  return false;
}

// Appends the item of the current row of rs; false (nothing appended) when
// the row is damaged.
bool AppendItemRow(Recordset& rs, ItemColumns columns, Integer dwgNo) {
  ItemRowReader reader;
  reader.Resolve(rs, columns);
  ItemRec item;
  if (!reader.Read(rs, item)) return false;
  item.DwgNo = dwgNo;
  Items[++ItemCount] = item;
  CurItem = ItemCount;
  return true;
}

}  // namespace

// ---- Components ------------------------------------------------------------------------

bool FindLoadedComponent(Long& Index) {
  Index = 0;
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].Rtype == ItemComponent && SameTextNoCase(Items[i].Name, NewItemName)) {
      Index = CurItem = i;
      return true;
    }
  }
  return false;
}

bool LoadComponent(const String& Name) {
  OpenDbPath = CompDbPath;
  Connection connection;
  if (!connection.Open(CompDbPath, OpenMode::ReadOnly)) {
    ShowError(connection.Error(), "Loading Component: " + Name);
    return false;
  }
  return LoadComponent(connection, Name);
}

bool LoadComponent(Connection& connection, const String& Name) {
  GrowItems();
  const String title = "Loading Component: " + Name;
  Recordset components;
  bool loaded = false;
  if (components.Open(connection, "Components") && FindNameOfKind(components, Name, ItemComponent)) {
    if (AppendItemRow(components, ItemColumns::Components, 0)) {
      loaded = true;
      if (Items[ItemCount].Nlines > 0) LoadObjectGeometry(connection);
    } else if (!components.Failed()) {
      MsgBox("The component row of " + Name + " has a damaged value and was not loaded.", vbOKOnly, title);
    }
  }
  if (components.Failed()) {
    ShowError(components.Error(), title);
    return false;
  }
  return loaded;
}

bool ComponentExistsInDb(const String& Name) {
  OpenTable components;
  const bool found = components.Open(DwgDbPath, "Components") && components.table.Find("Name", DbValue(Name)) &&
                     !components.table.Eof();
  if (components.Failed()) {
    ShowError(components.Error(), "Find Component: " + Name);
    return false;
  }
  return found;
}

bool ComponentPlacedInDb(const String& Name) {
  OpenTable lines;
  const bool placed = lines.Open(DwgDbPath, "Lines") && FindNameOfKind(lines.table, Name, EntityComponent);
  if (lines.Failed()) {
    ShowError(lines.Error(), "Find Component: " + Name);
    return true;
  }
  return placed;
}

// ---- Named items of a drawing ------------------------------------------------------------

namespace {

// The first item of the current drawing of kind NewItemKind named NewItemName.
bool FindDrawingItem() {
  for (Long i = BaseItemCount + 1; i <= ItemCount; ++i) {
    const ItemRec& item = Items[i];
    if (item.DwgNo == CurDwg && item.Rtype == NewItemKind && item.Name == NewItemName) {
      CurItem = i;
      return true;
    }
  }
  return false;
}

// Positions rows on the Objects row of NewItemName and NewItemKind: one of
// the drawing being loaded when there is one, else of any drawing.
bool FindObjectsRow(Connection& connection, Recordset& rows) {
  if (rows.Open(connection, "Objects", "DrawingID", DbValue(Dwgs[CurDwg].DrawID)) &&
      FindNameOfKind(rows, NewItemName, NewItemKind))
    return true;
  if (rows.Failed()) return false;
  return rows.Open(connection, "Objects") && FindNameOfKind(rows, NewItemName, NewItemKind);
}

// Appends the Objects row of NewItemName and NewItemKind found on
// connection, with its geometry when it has its own; see LoadNamedObject.
bool ReadNamedObject(Connection& connection) {
  GrowItems();
  Recordset rows;
  bool loaded = false;
  if (FindObjectsRow(connection, rows)) {
    if (AppendItemRow(rows, ItemColumns::Objects, CurDwg)) {
      loaded = true;
      if (Items[ItemCount].Rtype == ItemWithGeometry && Items[ItemCount].Nlines > 0) LoadObjectGeometry(connection);
    } else if (!rows.Failed()) {
      MsgBox("The item row of " + NewItemName + " has a damaged value and was not loaded.", vbOKOnly, FindObjectTitle);
    }
  }
  if (rows.Failed()) {
    ShowError(rows.Error(), FindObjectTitle);
    return false;
  }
  return loaded;
}

}  // namespace

bool LoadNamedObject() {
  if (FindDrawingItem()) return true;
  OpenDbPath = DwgDbPath;
  Connection connection;
  if (!connection.Open(DwgDbPath, OpenMode::ReadOnly)) {
    ShowError(connection.Error(), FindObjectTitle);
    return false;
  }
  return ReadNamedObject(connection);
}

bool LoadNamedObject(Connection& connection) { return FindDrawingItem() || ReadNamedObject(connection); }

void LoadObjectGeometry(Connection& connection) {
  DamageReport damage(LoadObjectLinesTitle);
  AppendDefinitionGeometry(connection, ItemCount, damage, LoadObjectLinesTitle);
}

}  // namespace lintavo
