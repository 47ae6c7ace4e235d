// LinkHand: reading and writing component links.
//
// Sections:
//   Link variables
//   Finding a component's LinkTable row
//   Operations
//   Registration
#include "organisation/LinkHand.h"

#include <algorithm>

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "platform/TextCompare.h"
#include "storage/DbSchema.h"
#include "storage/Verify.h"

namespace lintavo {

// ---- Link variables --------------------------------------------------------------------

Long LinkItemIndex = 0;
String LinkObjectName;
String LinkPath;
String LinkFileName;
String LinkTableName;
String LinkFieldName;
String LinkDataValue;
String LinkUserID;
String LinkPassword;

namespace {

constexpr const char* LinkTableTable = "LinkTable";
constexpr Long SchemaErrorNumber = 1;  // SQLite's generic error, for a failed table creation

bool IsComponent(Long index) { return index >= 1 && index <= ItemCount && Items[index].Rtype == ItemComponent; }

void ShowLinkError(const DbError& error, const String& title) { MsgBox(ErrorText(error), vbOKOnly, title); }

// The stored spelling of table in the open database, compared as the
// database compares names; false when it has no such table.
bool ListedTable(Connection& connection, const String& table, String& stored) {
  std::vector<String> names;
  if (!connection.TableNames(names)) return false;
  for (const String& name : names) {
    if (SameTextNoCase(name, table)) {
      stored = name;
      return true;
    }
  }
  return false;
}

// ---- Finding a component's LinkTable row -------------------------------------------------

// Positions links (opened on the rows named like the component) on the row of
// component index: the one whose ObjectID is index, else the first of that
// name. Eof when the component has no row.
bool FindComponentRow(Recordset& links, Long index) {
  if (!links.MoveFirst()) return false;
  if (!links.Find("ObjectID", DbValue(index))) return false;
  if (!links.Eof()) return true;
  return links.MoveFirst();
}

bool OpenComponentRows(Connection& connection, Recordset& links, Long index) {
  return links.Open(connection, LinkTableTable, "ObjectName", DbValue(Items[index].Name), TextMatch::Exact) &&
         FindComponentRow(links, index);
}

// Writes the link variables into the current (or new) row.
bool WriteLinkRow(Recordset& links, Long index) {
  const std::pair<const char*, const String*> texts[] = {
      {"ObjectName", &Items[index].Name}, {"Path", &LinkPath},         {"FileName", &LinkFileName},
      {"TableName", &LinkTableName},      {"FieldName", &LinkFieldName}, {"LinkData", &LinkDataValue},
      {"UserID", &LinkUserID},            {"Password", &LinkPassword}};
  bool ok = links.Field("ObjectID").SetLong(index);
  for (const auto& [column, value] : texts) ok = ok && links.Field(column).SetText(*value);
  return ok && links.Update();
}

bool SaveLinkRow(Connection& connection, Long index, DbError& error) {
  String message;
  if (!CreateSchemaTable(connection.Handle()->Db, LinkTableTable, message)) {
    error = {SchemaErrorNumber, message};
    return false;
  }
  Recordset links;
  if (!OpenComponentRows(connection, links, index) || (links.Eof() && !links.AddNew()) ||
      !WriteLinkRow(links, index)) {
    error = links.Error();
    return false;
  }
  return true;
}

// Kind 1: whether the drawings database's table holds the key value, read
// whatever the table's key (a WITHOUT ROWID table, a column named rowid).
bool FindCurrentRow(Connection& connection, DbError& error) {
  String table;
  if (!ListedTable(connection, LinkTableName, table)) {
    error = connection.Error();
    return false;
  }
  TableRows rows;
  if (!rows.Open(connection, RowSelection{table})) {
    error = rows.Error();
    return false;
  }
  const auto& names = rows.FieldNames();
  const auto field = std::find_if(names.begin(), names.end(),
                                  [](const String& name) { return SameTextNoCase(name, LinkFieldName); });
  if (field == names.end()) return false;
  TableRows found;
  std::vector<DbValue> values;
  if (found.Open(connection, RowSelection{table, *field, DbValue(LinkDataValue)}) && found.Next(values)) return true;
  error = found.Error();
  return false;
}

// Kind 2: the component's LinkTable row into the link variables.
bool ReadRemoteRow(Connection& connection, Long index, DbError& error) {
  String table;
  if (!ListedTable(connection, LinkTableTable, table)) {
    error = connection.Error();
    return false;
  }
  Recordset links;
  if (!OpenComponentRows(connection, links, index)) {
    error = links.Error();
    return false;
  }
  if (links.Eof()) return false;
  const std::pair<const char*, String*> texts[] = {
      {"ObjectName", &LinkObjectName}, {"Path", &LinkPath},           {"FileName", &LinkFileName},
      {"TableName", &LinkTableName},   {"FieldName", &LinkFieldName}, {"LinkData", &LinkDataValue}};
  for (const auto& [column, variable] : texts) *variable = links.Field(column).IsNull() ? "" : links.Field(column).AsText();
  for (const auto& [column, variable] : {std::pair{"UserID", &LinkUserID}, std::pair{"Password", &LinkPassword}})
    if (!links.Field(column).IsNull()) *variable = links.Field(column).AsText();
  error = links.Error();
  return error.Number == DbErrNone;
}

void ClearLinkVariables() {
  for (String* variable : {&LinkPath, &LinkFileName, &LinkTableName, &LinkFieldName, &LinkDataValue, &LinkUserID,
                           &LinkPassword, &LinkObjectName})
    variable->clear();
}

}  // namespace

// ---- Operations ----------------------------------------------------------------------------

bool CreateLinkTable(String& error) {
  CheckedWrite write;
  if (write.Begin(DwgDbPath, SchemaDrawings) &&
      CreateSchemaTable(write.Db().Handle()->Db, LinkTableTable, error) && write.Commit())
    return true;
  if (write.Error().Number != DbErrNone) error = ErrorText(write.Error());
  return false;
}

// The drawings database takes the row only as a drawing save would: not
// found damaged, sound by the check before a save, every table keyed.
bool SaveObjectLink(Long index) {
  if (!IsComponent(index) || Items[index].Nlines == 0) return true;
  CheckedWrite write;
  DbError error;
  bool saved = write.Begin(DwgDbPath, SchemaDrawings) && SaveLinkRow(write.Db(), index, error) && write.Commit();
  if (write.Error().Number != DbErrNone) error = write.Error();
  write.Close();  // rolls back what was not committed
  if (!saved) ShowLinkError(error, "Save Link Data: " + Items[index].Name);
  return saved;
}

bool GetObjectLink(Long index) {
  if (index < 1 || index > ItemCount) return false;
  LinkObjectName = Items[index].Name;
  if (Items[index].Rtype != ItemComponent) return false;
  const ItemRec& item = Items[index];
  if (item.LinkType == LinkNone) {
    ClearLinkVariables();  // the name too: nothing of a link is left to show
    return false;
  }
  if (item.LinkType != LinkCurrent && item.LinkType != LinkRemote) return false;
  if (item.LinkType == LinkCurrent) {
    LinkPath = DwgDbPath;
    LinkTableName = item.LinkTable;
    LinkFieldName = item.LinkField;
    LinkDataValue = item.PartNumber;
    LinkUserID.clear();
    LinkPassword.clear();
  }
  Connection connection;
  DbError error;
  bool found = false;
  if (!connection.Open(DwgDbPath, OpenMode::ReadOnly)) {
    error = connection.Error();
  } else {
    found = item.LinkType == LinkCurrent ? FindCurrentRow(connection, error) : ReadRemoteRow(connection, index, error);
  }
  if (error.Number != DbErrNone) {
    ShowLinkError(error, "Get Link Data: " + LinkObjectName);
    return false;
  }
  return found;
}

void ResetLinkHand() {
  LinkItemIndex = 0;
  ClearLinkVariables();
}

// ---- Registration --------------------------------------------------------------------------

namespace {
const ModuleRegistrar Registered({"LinkHand", FloorOrganisation, ResetLinkHand, {}});
}  // namespace

}  // namespace lintavo
