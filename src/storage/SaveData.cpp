// SaveData: the save session and the writers of drawings, items, lines and
// component definitions.
//
// Drawing, Objects and Components rows (one per drawing and per named item)
// go through recordsets, which read back keys and creation dates. Lines and
// Points rows, a million and more in a large drawing, go through statements
// prepared once per save, bound by position: the loop over the entities
// neither allocates nor looks up a name.
//
// Sections:
//   Module state
//   Keys of the model
//   Lines and points
//   Save session
//   Drawing row
//   Item rows
//   Entity rows
//   Definition geometry
//   Component rows
//   Drawings
//   Components and item geometry
//   Layer name store
#include "storage/SaveData.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <sqlite3.h>
#include <unordered_set>

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/EntityNames.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/Top.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "storage/DbSchema.h"
#include "storage/LoadObjects.h"
#include "storage/SupportFiles.h"
#include "storage/Verify.h"

namespace lintavo {

// ---- Module state ------------------------------------------------------------------

bool DrawingAddNewNeeded = true;
bool DrawingStoredMeanwhile = false;
bool AddNewNeeded = true;

namespace {

// The key stored for a link to item n: its ObjectID, 0 for no item. A
// deleted item keeps the key of the row it was last stored in, a row of
// another drawing when this one is saved under a new name: it is 0 too.
DbKey ItemKey(Long n) {
  return n >= 1 && n <= ItemCount && Items[n].Rtype != ItemDeleted ? Items[n].ObjectID : 0;
}

// The key stored for the owner of a drawing's entity: its owning item's key
// when that item is one of the drawing's own (a group, an area, an item
// with geometry), else 0. A placement is owned by its component, which is
// no item of the drawing: the loader tells the owners by their key alone,
// and a component's key, a row of another table, may equal one of theirs.
DbKey OwnerKey(const ObjRec& obj) {
  const Long n = obj.OwnerID;
  return n >= 1 && n <= ItemCount && Items[n].DwgNo == obj.DwgNo ? Items[n].ObjectID : 0;
}

// The vertices of an entity that lie in the point table; a record that
// claims more than there are is stored with those it has.
Integer VertexCount(const ObjRec& obj) {
  if (obj.PointID < 1 || obj.NPoints < 1) return 0;
  const Long available = PntCount - obj.PointID + 1;
  return static_cast<Integer>(std::clamp<Long>(obj.NPoints, 0, std::max<Long>(available, 0)));
}

// Entities listed by owner item: Start[o] .. Start[o + 1] in Out hold
// value(j) for every entity j with owner(j) == o (0: none, else 1..ItemCount),
// in table order. One pass counts, one fills: no search, no growth per entity.
template <typename Owner, typename Value>
void ListByOwner(std::vector<Long>& Start, std::vector<Long>& Out, Owner owner, Value value) {
  Start.assign(static_cast<std::size_t>(ItemCount) + 2, 0);
  const Long last = ObjCount;
  for (Long j = 1; j <= last; ++j)
    if (const Long o = owner(j)) ++Start[static_cast<std::size_t>(o) + 1];
  for (std::size_t k = 1; k < Start.size(); ++k) Start[k] += Start[k - 1];
  Out.resize(static_cast<std::size_t>(Start.back()));
  std::vector<Long> next(Start.begin(), Start.end() - 1);
  for (Long j = 1; j <= last; ++j)
    if (const Long o = owner(j)) Out[static_cast<std::size_t>(next[o]++)] = value(j);
}

// A stored drawing of the drawing's name and revision other than the one
// the user was asked about.
DbError StoredMeanwhileError(const DwgRec& dwg) {
  return DbError{DbErrChangedMeanwhile, "Another program has stored a drawing named " + dwg.Name + ", revision " +
                                            dwg.Revision + ", in this database since it was looked at: " +
                                            "nothing was saved."};
}

// A drawing key out of the range of drawings' keys.
DbError DrawingKeyError(DbKey key) {
  return DbError{DbErrOverflow, "The Drawing row keyed " + std::to_string(key) +
                                    " names no drawing (drawings are keyed from 1): nothing was saved under it."};
}

// ---- Keys of the model -------------------------------------------------------------
// The keys a save gives the model, kept before it starts and put back when
// it rolls back, so that the model never holds the key of a row that was
// not stored.
class ModelKeys {
 public:
  void Capture() {
    for (std::size_t d = 0; d < Dwgs.size(); ++d) {
      drawIds_[d] = Dwgs[d].DrawID;
      drawDates_[d] = Dwgs[d].CreationDate;
      sources_[d] = Dwgs[d].SourceDbPath;
    }
    itemIds_.resize(static_cast<std::size_t>(ItemCount) + 1);
    itemDrawings_.resize(itemIds_.size());
    itemDates_.resize(itemIds_.size());
    for (Long i = 1; i <= ItemCount; ++i) {
      itemIds_[i] = Items[i].ObjectID;
      itemDrawings_[i] = Items[i].DrawingID;
      itemDates_[i] = Items[i].CreationDate;
    }
    lineIds_.resize(static_cast<std::size_t>(ObjCount) + 1);
    for (Long j = 1; j <= ObjCount; ++j) lineIds_[j] = Objs[j].LineID;
  }

  void Restore() const {
    for (std::size_t d = 0; d < Dwgs.size(); ++d) {
      Dwgs[d].DrawID = drawIds_[d];
      Dwgs[d].CreationDate = drawDates_[d];
      Dwgs[d].SourceDbPath = sources_[d];
    }
    const Long items = std::min<Long>(ItemCount, static_cast<Long>(itemIds_.size()) - 1);
    for (Long i = 1; i <= items; ++i) {
      Items[i].ObjectID = itemIds_[i];
      Items[i].DrawingID = itemDrawings_[i];
      Items[i].CreationDate = itemDates_[i];
    }
    const Long objs = std::min<Long>(ObjCount, static_cast<Long>(lineIds_.size()) - 1);
    for (Long j = 1; j <= objs; ++j) Objs[j].LineID = lineIds_[j];
  }

 private:
  std::array<DbKey, MaxDwgNo + 1> drawIds_{};
  std::array<Date, MaxDwgNo + 1> drawDates_{};
  std::array<String, MaxDwgNo + 1> sources_{};
  std::vector<DbKey> itemIds_;       // Items(i).ObjectID
  std::vector<DbKey> itemDrawings_;  // Items(i).DrawingID
  std::vector<Date> itemDates_;     // Items(i).CreationDate
  std::vector<DbKey> lineIds_;       // Objs(j).LineID
};

// ---- Lines and points --------------------------------------------------------------
// The stored link columns of one Lines row.
struct LineLinks {
  DbKey LayerID = 0;    // key of the layer row (drawing entities) or the in-memory value (definitions)
  DbKey OwnerID = 0;    // key of the owning item's row; 0 none
  DbKey ObjectID = 0;   // key of the item shown or of the owner; 0 none
  DbKey DrawingID = 0;  // DrawID of the drawing; 0 for definition geometry
};

// The statements that write Lines and Points rows, prepared once per save.
// Every call returns false on failure with the database's error in Error().
class GeometryWriter {
 public:
  bool Prepare(const std::shared_ptr<DbHandle>& handle) {
    handle_ = handle;
    sqlite3* db = handle->Db;
    const bool ok =
        insertLine_.Prepare(db,
                            "INSERT INTO \"Lines\" (\"Rtype\", \"Name\", \"Show\", \"Erased\", \"Flag\","
                            " \"Selected\", \"Select\", \"Color\", \"Ltype\", \"Weight\", \"Width\", \"Area\","
                            " \"NPoints\", \"PointID\", \"LayerID\", \"OwnerID\", \"ObjectID\", \"DrawingID\")"
                            " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16,"
                            " ?17, ?18)") &&
        // A row of no drawing (definition geometry) is only the row of its own owner.
        updateLine_.Prepare(db,
                            "UPDATE \"Lines\" SET \"Name\" = ?2, \"Show\" = ?3, \"Erased\" = ?4, \"Flag\" = ?5,"
                            " \"Selected\" = ?6, \"Select\" = ?7, \"Color\" = ?8, \"Ltype\" = ?9,"
                            " \"Weight\" = ?10, \"Width\" = ?11, \"Area\" = ?12, \"NPoints\" = ?13,"
                            " \"LayerID\" = ?15, \"OwnerID\" = ?16, \"ObjectID\" = ?17"
                            " WHERE \"LineID\" = ?19 AND \"Rtype\" = ?1 AND \"DrawingID\" = ?18"
                            " AND (\"DrawingID\" <> 0 OR \"OwnerID\" = ?16)") &&
        insertPoint_.Prepare(db, "INSERT INTO \"Points\" (\"LineID\", \"PX\", \"PY\") VALUES (?1, ?2, ?3)") &&
        pointIds_.Prepare(db, "SELECT \"PointID\" FROM \"Points\" WHERE \"LineID\" = ?1 ORDER BY \"PointID\"") &&
        updatePoint_.Prepare(db, "UPDATE \"Points\" SET \"PX\" = ?2, \"PY\" = ?3 WHERE \"PointID\" = ?1") &&
        deletePoints_.Prepare(db, "DELETE FROM \"Points\" WHERE \"LineID\" = ?1 AND \"PointID\" >= ?2") &&
        deleteLine_.Prepare(db, "DELETE FROM \"Lines\" WHERE \"LineID\" = ?1") &&
        ownerLines_.Prepare(db,
                            "SELECT \"LineID\" FROM \"Lines\" WHERE \"OwnerID\" = ?1 AND \"DrawingID\" = 0"
                            " ORDER BY \"LineID\"");
    return ok || Fail();
  }

  // A new row for the entity and its vertices in vertex order; lineId the
  // new key. The row's PointID is firstPoint: the place of the entity's
  // first vertex among those its drawing (or definition) stores, counted
  // from 1 in the order the save writes them. The loader reads vertices by
  // LineID; a place that does not depend on the session's point table
  // stores the same drawing as the same rows whenever it is saved.
  bool AddLine(const ObjRec& obj, const LineLinks& links, Long firstPoint, DbKey& lineId) {
    sqlite3_stmt* s = insertLine_.Get();
    if (!BindLine(s, obj, links) || sqlite3_bind_int64(s, 14, firstPoint) != SQLITE_OK) return Fail();
    if (!Run(s)) return false;
    lineId = sqlite3_last_insert_rowid(handle_->Db);
    return AddPoints(lineId, obj, 1);
  }

  // Rewrites the row lineId when it is the entity's own (same type, same
  // drawing, for a definition the same owner) and makes its Points rows
  // match the vertices; found is false, with nothing written, when it is not.
  bool UpdateLine(DbKey lineId, const ObjRec& obj, const LineLinks& links, bool& found) {
    sqlite3_stmt* s = updateLine_.Get();
    if (!BindLine(s, obj, links) || sqlite3_bind_int64(s, 19, lineId) != SQLITE_OK) return Fail();
    if (!Run(s)) return false;
    found = sqlite3_changes(handle_->Db) == 1;
    return !found || RewritePoints(lineId, obj);
  }

  // Deletes a Lines row, which must be there, with its points.
  bool DeleteLine(DbKey lineId) {
    return DeletePointsFrom(lineId, 0) && BindKey(deleteLine_.Get(), 1, lineId) &&
           RunOnOneRow(deleteLine_.Get(), "Lines", lineId);
  }

  // The keys of the rows of no drawing owned by ownerKey, in key order.
  bool OwnerLines(DbKey ownerKey, std::vector<DbKey>& lineIds) {
    lineIds.clear();
    return BindKey(ownerLines_.Get(), 1, ownerKey) && Collect(ownerLines_.Get(), lineIds);
  }

  // Deletes a stored drawing's Objects, Lines and Points rows; refused for
  // a key that names no drawing (IsDrawingKey), whose rows are not a drawing's.
  bool DeleteDrawingRows(DbKey drawId) {
    if (!IsDrawingKey(drawId)) return NoDrawing(drawId);
    Statement remove;
    const char* const sql[] = {
        "DELETE FROM \"Points\" WHERE \"LineID\" IN (SELECT \"LineID\" FROM \"Lines\" WHERE \"DrawingID\" = ?1)",
        "DELETE FROM \"Lines\" WHERE \"DrawingID\" = ?1",
        "DELETE FROM \"Objects\" WHERE \"DrawingID\" = ?1"};
    for (const char* text : sql) {
      if (!remove.Prepare(handle_->Db, text) || !BindKey(remove.Get(), 1, drawId) || !Run(remove.Get())) {
        return Fail();
      }
    }
    return true;
  }

  bool Failed() const { return error_.Number != DbErrNone; }
  const DbError& Error() const { return error_; }

  // Lets go of the statements and of the database, which the save then closes.
  void Finalize() {
    for (Statement* s : {&insertLine_, &updateLine_, &insertPoint_, &pointIds_, &updatePoint_, &deletePoints_,
                         &deleteLine_, &ownerLines_})
      s->Finalize();
    handle_.reset();
  }

 private:
  // ?1 Rtype, ?2..?13 the entity's own columns, ?15..?18 the links; the
  // caller binds PointID (?14) or the key (?19). False when a value could
  // not be bound (each result is SQLITE_OK, 0, or an error code).
  static bool BindLine(sqlite3_stmt* s, const ObjRec& obj, const LineLinks& links) {
    int rc = sqlite3_bind_int(s, 1, obj.Rtype);
    rc |= sqlite3_bind_text(s, 2, obj.Name.data(), static_cast<int>(obj.Name.size()), SQLITE_STATIC);
    rc |= sqlite3_bind_int(s, 3, obj.Show);
    rc |= sqlite3_bind_int(s, 4, obj.Erased);
    rc |= sqlite3_bind_int64(s, 5, obj.Flag);
    rc |= sqlite3_bind_int(s, 6, obj.Selected);
    rc |= sqlite3_bind_int64(s, 7, obj.Select);
    rc |= sqlite3_bind_int64(s, 8, obj.Color);
    rc |= sqlite3_bind_int(s, 9, obj.Ltype);
    rc |= sqlite3_bind_int(s, 10, obj.Weight);
    rc |= sqlite3_bind_double(s, 11, obj.Width);
    rc |= sqlite3_bind_double(s, 12, obj.Area);
    rc |= sqlite3_bind_int(s, 13, VertexCount(obj));
    rc |= sqlite3_bind_int64(s, 15, links.LayerID);
    rc |= sqlite3_bind_int64(s, 16, links.OwnerID);
    rc |= sqlite3_bind_int64(s, 17, links.ObjectID);
    rc |= sqlite3_bind_int64(s, 18, links.DrawingID);
    return rc == SQLITE_OK;
  }

  static bool BindKey(sqlite3_stmt* s, int position, DbKey key) {
    return sqlite3_bind_int64(s, position, key) == SQLITE_OK;
  }

  static bool BindPoint(sqlite3_stmt* s, DbKey key, const PntRec& p) {
    return (sqlite3_bind_int64(s, 1, key) | sqlite3_bind_double(s, 2, p.X) |
            sqlite3_bind_double(s, 3, p.Y)) == SQLITE_OK;
  }

  // Deletes the points of a line from PointID first on.
  bool DeletePointsFrom(DbKey lineId, DbKey first) {
    sqlite3_stmt* s = deletePoints_.Get();
    if (!BindKey(s, 1, lineId) || !BindKey(s, 2, first)) return Fail();
    return Run(s);
  }

  // Adds Points rows for vertices from..VertexCount of the entity.
  bool AddPoints(DbKey lineId, const ObjRec& obj, Long from) {
    sqlite3_stmt* s = insertPoint_.Get();
    const Long count = VertexCount(obj);
    for (Long k = from; k <= count; ++k) {
      if (!BindPoint(s, lineId, Pnts[obj.PointID + k - 1])) return Fail();
      if (!Run(s)) return false;
    }
    return true;
  }

  // The stored rows take the vertices in order; missing rows are added and
  // surplus rows deleted.
  bool RewritePoints(DbKey lineId, const ObjRec& obj) {
    if (!BindKey(pointIds_.Get(), 1, lineId)) return Fail();
    if (!Collect(pointIds_.Get(), stored_)) return false;
    const Integer count = VertexCount(obj);
    const std::size_t kept = std::min<std::size_t>(stored_.size(), static_cast<std::size_t>(count));
    sqlite3_stmt* s = updatePoint_.Get();
    for (std::size_t k = 0; k < kept; ++k) {
      if (!BindPoint(s, stored_[k], Pnts[obj.PointID + static_cast<Long>(k)])) return Fail();
      if (!RunOnOneRow(s, "Points", stored_[k])) return false;
    }
    if (stored_.size() > kept && !DeletePointsFrom(lineId, stored_[kept])) return false;
    return AddPoints(lineId, obj, static_cast<Long>(kept) + 1);
  }

  // Steps a reading statement to its end, keeping the first column.
  bool Collect(sqlite3_stmt* s, std::vector<DbKey>& values) {
    values.clear();
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) values.push_back(sqlite3_column_int64(s, 0));
    if (rc != SQLITE_DONE) Fail();
    sqlite3_reset(s);
    return rc == SQLITE_DONE;
  }

  // Steps a writing statement once; the reading recordsets on the same
  // database are told that it changed.
  bool Run(sqlite3_stmt* s) {
    const int rc = sqlite3_step(s);
    ++handle_->Writes;
    if (rc != SQLITE_DONE) Fail();
    sqlite3_reset(s);
    return rc == SQLITE_DONE;
  }

  // Steps a writing statement that acts on the row of table with that key:
  // a statement that changed no row found no row to write, which fails the
  // save rather than leaving the stored row as it was.
  bool RunOnOneRow(sqlite3_stmt* s, const char* table, DbKey key) {
    if (!Run(s)) return false;
    if (sqlite3_changes(handle_->Db) >= 1) return true;
    if (!Failed()) {
      error_ = DbError{DbErrRowNotChanged,
                       "The row " + std::to_string(key) + " of " + table + " was not found to be written."};
    }
    return false;
  }

  bool Fail() {
    if (!Failed()) error_ = SqliteError(handle_->Db);
    return false;
  }

  bool NoDrawing(DbKey drawId) {
    if (!Failed()) error_ = DrawingKeyError(drawId);
    return false;
  }

  std::shared_ptr<DbHandle> handle_;
  Statement insertLine_, updateLine_, insertPoint_, pointIds_, updatePoint_, deletePoints_,
      deleteLine_, ownerLines_;
  std::vector<DbKey> stored_;  // PointIDs of the line being rewritten; reused
  DbError error_;             // the first failure
};

// ---- Save session ------------------------------------------------------------------
// One connection and one transaction for everything a save writes, the
// model's keys as they were before it, and its first failure.
class SaveSession {
 public:
  // Opens the database and starts the transaction; title names the
  // operation a failure to open is reported under. A database damaged, or
  // with a table that does not key its rows, is refused before anything is
  // written.
  bool Begin(const String& path, const String& title) {
    baseTitle_ = title;
    keys_.Capture();
    if (!write_.Begin(path, SchemaDrawings)) return Fail(title, write_.Error());
    if (!geometry_.Prepare(write_.Db().Handle())) return Fail(title, geometry_.Error());
    return true;
  }

  Connection& Db() { return write_.Db(); }
  GeometryWriter& Geometry() { return geometry_; }

  // The definition geometry (entities of DwgNo 0) owned by item i, in table
  // order. Indexed on first use, once per session: a tree of many
  // components costs one pass over the entities, not one per component.
  std::pair<const Long*, const Long*> MembersOf(Long i) {
    if (memberStart_.empty()) IndexMembers();
    if (i < 1 || static_cast<std::size_t>(i) + 1 >= memberStart_.size()) return {nullptr, nullptr};
    const Long* base = members_.data();
    return {base + memberStart_[static_cast<std::size_t>(i)], base + memberStart_[static_cast<std::size_t>(i) + 1]};
  }

  // Records the first failure with the title of its operation; false.
  bool Fail(const String& title, const DbError& error) {
    if (failed_) return false;
    failed_ = true;
    title_ = title;
    error_ = error;
    return false;
  }

  // Commits when everything succeeded; otherwise rolls back, puts the
  // model's keys back and shows the failure. True when the save is stored.
  // A commit that was made though it failed (what it stored cannot be told
  // whole) keeps its keys: they name the rows it stored, which the next
  // save then rewrites rather than adding the drawing again.
  bool Finish(bool ok) {
    geometry_.Finalize();
    if (ok && !failed_ && !write_.Commit()) Fail(baseTitle_, write_.Error());
    ok = ok && !failed_;
    if (!ok && !write_.Committed()) keys_.Restore();
    write_.Close();  // rolls back what was not committed, before the message: the file is free while it shows
    if (!ok) MsgBox(ErrorText(error_), vbOKOnly, title_);
    return ok;
  }

 private:
  CheckedWrite write_;
  GeometryWriter geometry_;
  ModelKeys keys_;
  // Members by owner: memberStart_[i] .. memberStart_[i + 1] in members_.
  void IndexMembers() {
    ListByOwner(memberStart_, members_, DefinitionOwner, [](Long j) { return j; });
  }
  static Long DefinitionOwner(Long j) {
    const ObjRec& obj = Objs[j];
    return obj.DwgNo == 0 && obj.OwnerID >= 1 && obj.OwnerID <= ItemCount ? obj.OwnerID : 0;
  }

  std::vector<Long> memberStart_;
  std::vector<Long> members_;
  bool failed_ = false;
  String baseTitle_;  // title of a failure to open or to commit
  String title_;   // title of the failing operation's message
  DbError error_;  // its error
};

// A recordset's failure, or a generic one when the recordset has none.
const DbError& RecordsetError(const Recordset& rs, const Connection& connection) {
  return rs.Failed() ? rs.Error() : connection.Error();
}

// ---- Drawing row -------------------------------------------------------------------

// Positions rs (open on the drawing's name) on the first row of a drawing
// whose revision equals the drawing's exactly; at the end when there is
// none. A row whose key names no drawing is passed over.
bool FindDrawingRow(Recordset& rs, const String& revision) {
  const int field = rs.FieldIndex("Revision");
  const int key = rs.FieldIndex("DrawID");
  while (!rs.Eof()) {
    std::int64_t drawId = 0;
    const bool drawing =
        rs.Field(key).TryWhole(std::numeric_limits<DbKey>::min(), std::numeric_limits<DbKey>::max(), drawId) &&
        IsDrawingKey(drawId);
    if (drawing && !rs.Field(field).IsNull() && rs.Field(field).AsText() == revision) return true;
    if (!rs.MoveNext()) return false;
  }
  return !rs.Failed();
}

// The counts a Drawing row carries, from the model: the named items stored
// in Objects and the entities not erased.
void CountDrawing(Long index, Long& nobjects, Long& nlines) {
  nobjects = nlines = 0;
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].DwgNo == index && Items[i].Rtype >= ItemGroup) ++nobjects;
  }
  for (Long j = 1; j <= ObjCount; ++j) {
    if (Objs[j].DwgNo == index && !Objs[j].Erased) ++nlines;
  }
}

// The columns written both when the row is added and when it is updated.
bool WriteDrawingValues(Recordset& rs, const DwgRec& dwg, Long index) {
  Long nobjects = 0, nlines = 0;
  CountDrawing(index, nobjects, nlines);
  return rs.Field("Revision").SetText(dwg.Revision) && rs.Field("Rtype").SetText(dwg.Rtype) &&
         rs.Field("Category").SetText(dwg.Category) &&
         rs.Field("Description").SetText(dwg.Description) &&
         rs.Field("PartNumber").SetText(dwg.PartNumber) && rs.Field("Nlines").SetLong(nlines) &&
         rs.Field("Nlayers").SetLong(dwg.Nlayers) && rs.Field("Nobjects").SetLong(nobjects) &&
         rs.Field("BaseX").SetDouble(dwg.BaseX) && rs.Field("BaseY").SetDouble(dwg.BaseY) &&
         rs.Field("Xmin").SetDouble(dwg.Xmin) && rs.Field("Ymin").SetDouble(dwg.Ymin) &&
         rs.Field("Xmax").SetDouble(dwg.Xmax) && rs.Field("Ymax").SetDouble(dwg.Ymax) &&
         rs.Field("Xlimit").SetDouble(dwg.Xlimit) && rs.Field("Ylimit").SetDouble(dwg.Ylimit) &&
         rs.Field("Author").SetText(dwg.Author);
}

// Writes the Drawing row: the stored row of the drawing's name and revision
// is updated, or a new one is added. addAll tells the item and line passes
// to add every row: the row is new, or the stored drawing is replaced
// (overwrite, or keys that are not that row's), its old rows deleted here.
// A stored row other than the one the user was asked about (asked) fails
// the save before anything of the drawing is written.
bool SaveDrawingRow(SaveSession& s, Long index, bool overwrite, std::optional<DbKey> asked, bool& addAll) {
  DwgRec& dwg = Dwgs[index];
  Recordset rs;
  bool ok = rs.Open(s.Db(), "Drawing", "Name", DbValue(dwg.Name)) && FindDrawingRow(rs, dwg.Revision);
  DrawingAddNewNeeded = ok && rs.Eof();
  if (ok && !DrawingAddNewNeeded) {
    const DbKey stored = rs.Field("DrawID").AsKey();
    if (asked && stored != *asked && !rs.Failed()) {
      DrawingStoredMeanwhile = true;
      return s.Fail("Save Drawing Record", StoredMeanwhileError(dwg));
    }
    const bool ownKeys = dwg.DrawID == stored && dwg.SourceDbPath == DwgDbPath;
    addAll = overwrite || !ownKeys;
    ok = WriteDrawingValues(rs, dwg, index) && rs.Update();
    if (ok && addAll && !s.Geometry().DeleteDrawingRows(stored)) {
      return s.Fail("Save Drawing Record", s.Geometry().Error());
    }
    dwg.DrawID = stored;
  } else if (ok) {
    addAll = true;
    ok = rs.AddNew() && rs.Field("Name").SetText(dwg.Name) &&
         rs.Field("Show").SetLong(dwg.Show) && WriteDrawingValues(rs, dwg, index) && rs.Update();
    if (ok) {
      dwg.DrawID = rs.Field("DrawID").AsKey();
      dwg.CreationDate = rs.Field("CreationDate").AsDate();
    }
    // A table that numbers its rows from below 1 would file the drawing's
    // rows among those of no drawing.
    if (ok && !rs.Failed() && !IsDrawingKey(dwg.DrawID))
      return s.Fail("Save Drawing Record", DrawingKeyError(dwg.DrawID));
  }
  if (!ok || rs.Failed()) return s.Fail("Save Drawing Record", RecordsetError(rs, s.Db()));
  return true;
}

// ---- Item rows ---------------------------------------------------------------------

bool SaveObjectLinesOn(SaveSession& s, Long itemIndex);

// The columns of an Objects row written both on add and on update.
bool WriteItemValues(Recordset& rs, const ItemRec& item) {
  return rs.Field("Name").SetText(item.Name) && rs.Field("Category").SetText(item.Category) &&
         rs.Field("Description").SetText(item.Description) && rs.Field("Show").SetLong(item.Show) &&
         rs.Field("Lock").SetLong(item.Lock) && rs.Field("Nlines").SetLong(item.Nlines) &&
         rs.Field("Xorigin").SetDouble(item.Xorigin) && rs.Field("Yorigin").SetDouble(item.Yorigin) &&
         rs.Field("Xmin").SetDouble(item.Xmin) && rs.Field("Ymin").SetDouble(item.Ymin) &&
         rs.Field("Xmax").SetDouble(item.Xmax) && rs.Field("Ymax").SetDouble(item.Ymax);
}

// Positions rs on the item's own row: its key, kind and drawing.
bool FindItemRow(Recordset& rs, const ItemRec& item, bool& found) {
  found = false;
  if (!rs.MoveFirst() || !rs.Find("ObjectID", DbValue(item.ObjectID))) return false;
  found = !rs.Eof() && rs.Field("Rtype").AsInteger() == item.Rtype &&
          rs.Field("DrawingID").AsKey() == item.DrawingID;
  return !rs.Failed();
}

// Writes item i to Objects (rs open on it): its stored row, found by key
// unless addAll, is updated, or a new row added; then an item with geometry
// of its own writes that geometry.
bool SaveDrawingObject(SaveSession& s, Recordset& rs, Long i, bool addAll) {
  ItemRec& item = Items[i];
  bool found = false;
  bool ok = addAll || item.ObjectID < 1 || FindItemRow(rs, item, found);
  if (ok && found) {
    ok = WriteItemValues(rs, item) && rs.Update();
  } else if (ok) {
    ok = rs.AddNew() && rs.Field("Rtype").SetLong(item.Rtype) && WriteItemValues(rs, item) &&
         rs.Field("DrawingID").SetKey(item.DrawingID) && rs.Field("Author").SetText(item.Author) &&
         rs.Update();
    if (ok) {
      item.ObjectID = rs.Field("ObjectID").AsKey();
      item.CreationDate = rs.Field("CreationDate").AsDate();
    }
  }
  if (!ok || rs.Failed()) {
    return s.Fail("Save Drawing Object: " + item.Name, RecordsetError(rs, s.Db()));
  }
  AddNewNeeded = !found;
  return item.Rtype != ItemWithGeometry || SaveObjectLinesOn(s, i);
}

// The item pass: every named item of the drawing (groups and up) gets its
// key before the line pass turns the entities' links into keys.
bool SaveDrawingObjects(SaveSession& s, Long index, bool addAll) {
  Recordset rs;
  if (!rs.Open(s.Db(), "Objects")) return s.Fail("Save Drawing Object: ", RecordsetError(rs, s.Db()));
  const DbKey drawId = Dwgs[index].DrawID;
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].DwgNo != index || Items[i].Rtype < ItemGroup) continue;
    Items[i].DrawingID = drawId;
    if (!SaveDrawingObject(s, rs, i, addAll)) return false;
  }
  return true;
}

// ---- Entity rows -------------------------------------------------------------------

// The line pass: every entity of the drawing, erased ones included. A
// stored row (found by key unless addAll) is rewritten; an entity without
// one gets a new row unless it is erased, which leaves it without a key.
bool SaveDrawingLines(SaveSession& s, Long index, bool addAll) {
  GeometryWriter& writer = s.Geometry();
  const DbKey drawId = Dwgs[index].DrawID;
  const Long last = ObjCount;
  Long firstPoint = 1;
  for (Long j = 1; j <= last; ++j) {
    ObjRec& obj = Objs[j];
    if (obj.DwgNo != index) continue;
    const LineLinks links{ItemKey(obj.LayerID), OwnerKey(obj), ItemKey(obj.ObjectID), drawId};
    bool found = false;
    if (!addAll && obj.LineID >= 1 && !writer.UpdateLine(obj.LineID, obj, links, found)) break;
    if (!found && obj.Erased) {
      obj.LineID = 0;
      continue;
    }
    if (!found && !writer.AddLine(obj, links, firstPoint, obj.LineID)) break;
    firstPoint += VertexCount(obj);
  }
  if (writer.Failed()) return s.Fail("Save Drawing Lines", writer.Error());
  return true;
}

// ---- Definition geometry -----------------------------------------------------------

// Writes the shown entities of no drawing owned by item i under the item's
// key. When the owner's row was found (AddNewNeeded false) its stored rows
// are rewritten where they are the entity's own, and those not rewritten
// are deleted, so the stored definition is exactly the one in memory.
bool SaveObjectLinesOn(SaveSession& s, Long i) {
  GeometryWriter& writer = s.Geometry();
  const DbKey ownerKey = Items[i].ObjectID;
  std::vector<DbKey> stored;
  std::unordered_set<DbKey> rewritten;
  bool ok = AddNewNeeded || writer.OwnerLines(ownerKey, stored);
  const auto [first, end] = s.MembersOf(i);
  Long firstPoint = 1;
  for (const Long* member = first; ok && member != end; ++member) {
    ObjRec& obj = Objs[*member];
    if (!obj.Show) continue;
    const DbKey shown = obj.Rtype < FirstCompoundType ? ownerKey : ItemKey(obj.ObjectID);
    const LineLinks links{obj.LayerID, ownerKey, shown, 0};
    // Two entities holding the same key must not share one row.
    bool found = false;
    const bool taken = rewritten.count(obj.LineID) != 0;
    if (!AddNewNeeded && obj.LineID >= 1 && !taken) ok = writer.UpdateLine(obj.LineID, obj, links, found);
    if (ok && !found) ok = writer.AddLine(obj, links, firstPoint, obj.LineID);
    if (ok && found) rewritten.insert(obj.LineID);
    firstPoint += VertexCount(obj);
  }
  for (DbKey lineId : stored) {
    if (ok && rewritten.count(lineId) == 0) ok = writer.DeleteLine(lineId);
  }
  if (!ok) return s.Fail("Save Object Lines: " + Items[i].Name, writer.Error());
  return true;
}

// ---- Component rows ----------------------------------------------------------------

// Positions rs (open on Components) on the first row named name (letter
// case ignored) whose Rtype is 1; at the end when there is none.
bool FindComponentRow(Recordset& rs, const String& name) {
  if (!rs.MoveFirst()) return false;
  while (rs.Find("Name", DbValue(name)) && !rs.Eof()) {
    if (!rs.Field("Rtype").IsNull() && rs.Field("Rtype").AsInteger() == ItemComponent) return true;
    if (!rs.MoveNext()) return false;
  }
  return !rs.Failed();
}

// The columns of a Components row written both on add and on update.
bool WriteComponentValues(Recordset& rs, const ItemRec& item) {
  return rs.Field("Category").SetText(item.Category) &&
         rs.Field("Description").SetText(item.Description) &&
         rs.Field("PartNumber").SetText(item.PartNumber) && rs.Field("LinkType").SetLong(item.LinkType) &&
         rs.Field("LinkTable").SetText(item.LinkTable) && rs.Field("LinkField").SetText(item.LinkField) &&
         rs.Field("Nlines").SetLong(item.Nlines) && rs.Field("Xorigin").SetDouble(item.Xorigin) &&
         rs.Field("Yorigin").SetDouble(item.Yorigin) && rs.Field("Xmin").SetDouble(item.Xmin) &&
         rs.Field("Ymin").SetDouble(item.Ymin) && rs.Field("Xmax").SetDouble(item.Xmax) &&
         rs.Field("Ymax").SetDouble(item.Ymax) && rs.Field("Author").SetText(item.Author);
}

bool AddComponentRow(Recordset& rs, ItemRec& item) {
  if (!rs.AddNew() || !rs.Field("Rtype").SetLong(ItemComponent) || !rs.Field("Name").SetText(item.Name) ||
      !WriteComponentValues(rs, item) || !rs.Update()) {
    return false;
  }
  item.ObjectID = rs.Field("ObjectID").AsKey();
  item.CreationDate = rs.Field("CreationDate").AsDate();
  return !rs.Failed();
}

// Writes component i's row into the session's database. rename: the row is
// found by ComponentName and takes the item's name, and the geometry is
// always written; otherwise the row is found by the item's name and the
// geometry is written when the row is new or its line count changed. A
// found row's key becomes the item's: its geometry is stored under it.
bool SaveComponentRow(SaveSession& s, Long i, bool rename, const String& title) {
  ItemRec& item = Items[i];
  Recordset rs;
  bool ok = rs.Open(s.Db(), "Components") && FindComponentRow(rs, rename ? ComponentName : item.Name);
  bool geometry = true;
  AddNewNeeded = ok && rs.Eof();
  if (ok && !AddNewNeeded) {
    const int nlines = rs.FieldIndex("Nlines");
    const Long storedLines = rs.Field(nlines).IsNull() ? -1 : rs.Field(nlines).AsLong();
    ok = (!rename || rs.Field("Name").SetText(item.Name)) && WriteComponentValues(rs, item) && rs.Update();
    item.ObjectID = rs.Field("ObjectID").AsKey();
    geometry = rename || storedLines != item.Nlines;
  } else if (ok) {
    ok = AddComponentRow(rs, item);
  }
  if (!ok || rs.Failed()) return s.Fail(title, RecordsetError(rs, s.Db()));
  rs.Close();
  return !geometry || SaveObjectLinesOn(s, i);
}

// A component with geometry is written; anything else is passed over.
bool SaveComponentOn(SaveSession& s, Long i) {
  if (i < 1 || i > ItemCount || Items[i].Rtype != ItemComponent || Items[i].Nlines == 0) return true;
  return SaveComponentRow(s, i, false, "Save Component: " + Items[i].Name);
}

}  // namespace

// ---- Component placement trees -------------------------------------------------------

ComponentTree::ComponentTree() {
  // In table order, so each definition's placements keep the order of its members.
  ListByOwner(first_, placed_, PlacingOwner, [](Long j) { return Objs[j].ObjectID; });
}

// The definition that member j places a component in, or 0: j is a
// component placement of definition geometry whose link is a component item.
Long ComponentTree::PlacingOwner(Long j) {
  const ObjRec& obj = Objs[j];
  if (obj.DwgNo != 0 || obj.Rtype != EntityComponent) return 0;
  if (obj.OwnerID < 1 || obj.OwnerID > ItemCount || Items[obj.OwnerID].Rtype != ItemComponent) return 0;
  const Long placed = obj.ObjectID;
  return placed >= 1 && placed <= ItemCount && Items[placed].Rtype == ItemComponent ? obj.OwnerID : 0;
}

void ComponentTree::Collect(Long root, std::vector<bool>& visited, std::vector<Long>& list) const {
  if (root < 1 || root > ItemCount || visited[static_cast<std::size_t>(root)]) return;
  // Depth first without recursion: each frame is a definition and the
  // position of the next placement to follow in it. A component is marked
  // when it is entered, so a definition placing an enclosing one (a cycle)
  // is not followed again.
  struct Frame {
    Long item;
    Long next;
  };
  std::vector<Frame> stack{{root, first_[static_cast<std::size_t>(root)]}};
  visited[static_cast<std::size_t>(root)] = true;
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next == first_[static_cast<std::size_t>(top.item) + 1]) {
      list.push_back(top.item);
      stack.pop_back();
      continue;
    }
    const Long placed = placed_[static_cast<std::size_t>(top.next++)];
    if (visited[static_cast<std::size_t>(placed)]) continue;
    visited[static_cast<std::size_t>(placed)] = true;
    stack.push_back({placed, first_[static_cast<std::size_t>(placed)]});
  }
}

// ---- Values a save refuses ------------------------------------------------------------
// A value that is not a finite number would be stored as one no load takes
// back (or as Null): the save refuses the drawing before it writes anything,
// naming the object that holds the value.

namespace {

bool AllFinite(std::initializer_list<Double> values) {
  return std::all_of(values.begin(), values.end(), [](Double v) { return std::isfinite(v); });
}

bool ItemIsFinite(const ItemRec& item) {
  return AllFinite({item.Xorigin, item.Yorigin, item.Xmin, item.Ymin, item.Xmax, item.Ymax});
}

bool EntityIsFinite(const ObjRec& obj) {
  if (!AllFinite({obj.Width, obj.Area})) return false;
  const Integer count = VertexCount(obj);
  for (Long k = 0; k < count; ++k) {
    const PntRec& p = Pnts[obj.PointID + k];
    if (!AllFinite({p.X, p.Y})) return false;
  }
  return true;
}

// The entity's name in a message: its type, and its key once it has one.
String EntityText(Long j) {
  const ObjRec& obj = Objs[j];
  String text = String("the ") + EntityTypeName(obj.Rtype) + " (object " + std::to_string(j);
  if (obj.LineID >= 1) text += ", line " + std::to_string(obj.LineID);
  return text + ")";
}

// The first object of drawing index, or of one of the components written
// with it, that holds a value that is not a finite number; "" when none does.
String ObjectNotFinite(Long index, const std::vector<Long>& components) {
  const DwgRec& dwg = Dwgs[index];
  if (!AllFinite({dwg.BaseX, dwg.BaseY, dwg.Xmin, dwg.Ymin, dwg.Xmax, dwg.Ymax, dwg.Xlimit, dwg.Ylimit}))
    return "the drawing " + dwg.Name;
  std::vector<bool> written(static_cast<std::size_t>(ItemCount) + 1, false);
  for (Long c : components)
    if (c >= 1 && c <= ItemCount) written[static_cast<std::size_t>(c)] = true;
  for (Long i = 1; i <= ItemCount; ++i) {
    const bool ofDrawing = Items[i].DwgNo == index && Items[i].Rtype >= ItemGroup;
    if ((ofDrawing || written[static_cast<std::size_t>(i)]) && !ItemIsFinite(Items[i])) return "the item " + Items[i].Name;
  }
  for (Long j = 1; j <= ObjCount; ++j) {
    const ObjRec& obj = Objs[j];
    const bool ofDefinition = obj.DwgNo == 0 && obj.OwnerID >= 1 && obj.OwnerID <= ItemCount &&
                              written[static_cast<std::size_t>(obj.OwnerID)];
    if ((obj.DwgNo == index || ofDefinition) && !EntityIsFinite(obj)) return EntityText(j);
  }
  return "";
}

}  // namespace

// ---- Drawings ----------------------------------------------------------------------

bool SaveDrawing(Long index) {
  if (index < 0 || index > MaxDwgNo) return false;
  return SaveDrawing(index, ComponentsMissingFromDb(index), false);
}

bool SaveDrawing(Long index, const std::vector<Long>& components, bool overwrite, std::optional<DbKey> asked) {
  DrawingStoredMeanwhile = false;
  if (index < 0 || index > MaxDwgNo) return false;
  // A transform preview moves the selection's own points: they go back before they are written.
  if (ServicesAbove.EndOutline) ServicesAbove.EndOutline();
  UpdateNotedItemExtents();  // a group or area stored with the extents of its members as they are
  CurDwgName = Dwgs[index].Name;
  OpenDbPath = DwgDbPath;
  const String notFinite = ObjectNotFinite(index, components);
  if (!notFinite.empty()) {
    MsgBox("The drawing was not saved: " + notFinite + " has a value that is not a finite number.", vbOKOnly,
           "Save Drawing Record");
    DlgCancelled = FlagTrue;
    return false;
  }
  SaveSession s;
  bool addAll = true;
  bool ok = s.Begin(DwgDbPath, "Save Drawing Record");
  for (Long c : components) ok = ok && SaveComponentOn(s, c);
  ok = ok && SaveDrawingRow(s, index, overwrite, asked, addAll) && SaveDrawingObjects(s, index, addAll) &&
       SaveDrawingLines(s, index, addAll);
  const bool stored = s.Finish(ok);
  CurDrawID = Dwgs[index].DrawID;
  if (!stored) {
    DlgCancelled = FlagTrue;
    return false;
  }
  Dwgs[index].SourceDbPath = DwgDbPath;
  CompDbPath = DwgDbPath;
  ClearDrawingChanged(index);  // what is open is what is stored
  return true;
}

bool CheckDrawingExists(Long index) {
  DbKey stored = 0;
  return CheckDrawingExists(index, stored);
}

bool CheckDrawingExists(Long index, DbKey& stored) {
  DbError error;
  const bool exists = CheckDrawingExists(index, stored, error);
  if (error.Number != DbErrNone) MsgBox(ErrorText(error), vbOKOnly, "Check Drawing");
  return exists;
}

bool CheckDrawingExists(Long index, DbKey& stored, DbError& error) {
  stored = 0;
  error = DbError{};
  if (index < 0 || index > MaxDwgNo) return false;
  const DwgRec& dwg = Dwgs[index];
  CurDwgName = dwg.Name;
  CurDrawID = dwg.DrawID;
  // Read-write, as the save that follows opens it: a file left with the
  // journal of an interrupted save is put back in order first.
  Connection connection;
  Recordset rs;
  if (connection.Open(DwgDbPath, OpenMode::ReadWrite) &&
      rs.Open(connection, "Drawing", "Name", DbValue(dwg.Name)) && FindDrawingRow(rs, dwg.Revision)) {
    if (!rs.Eof()) stored = rs.Field("DrawID").AsKey();
    if (!rs.Failed()) return !rs.Eof();
  }
  error = RecordsetError(rs, connection);
  DlgCancelled = FlagTrue;
  return false;
}

// ---- Components and item geometry ----------------------------------------------------

std::vector<Long> ComponentTreeItems(Long itemIndex) {
  std::vector<Long> list;
  if (itemIndex < 1 || itemIndex > ItemCount || Items[itemIndex].Rtype != ItemComponent) return list;
  std::vector<bool> visited(static_cast<std::size_t>(ItemCount) + 1, false);
  ComponentTree().Collect(itemIndex, visited, list);
  return list;
}

std::vector<Long> ComponentsMissingFromDb(Long index) {
  std::vector<Long> list;
  const std::size_t size = static_cast<std::size_t>(ItemCount) + 1;
  std::vector<bool> seen(size, false), followed(size, false);
  const ComponentTree tree;  // read once: a deep or wide tree costs each placement once
  std::vector<Long> found;
  const Long last = ObjCount;
  for (Long j = 1; j <= last; ++j) {
    const ObjRec& obj = Objs[j];
    const Long c = obj.ObjectID;
    if (obj.DwgNo != index || obj.Rtype != EntityComponent || c < 1 || c > ItemCount) continue;
    if (Items[c].Rtype != ItemComponent || seen[static_cast<std::size_t>(c)]) continue;
    seen[static_cast<std::size_t>(c)] = true;
    if (ComponentExistsInDb(Items[c].Name)) continue;
    found.clear();
    tree.Collect(c, followed, found);
    for (Long t : found) {
      seen[static_cast<std::size_t>(t)] = true;
      if (t == c || !ComponentExistsInDb(Items[t].Name)) list.push_back(t);
    }
  }
  return list;
}

bool SaveComponentTree(Long& itemIndex) {
  OpenDbPath = CompDbPath;
  SaveSession s;
  bool ok = s.Begin(CompDbPath, "Save Component: " + Items[std::clamp<Long>(itemIndex, 0, ItemCount)].Name);
  for (Long c : ComponentTreeItems(itemIndex)) ok = ok && SaveComponentOn(s, c);
  return s.Finish(ok);
}

bool SaveComponent(Long& itemIndex) {
  if (itemIndex < 1 || itemIndex > ItemCount || Items[itemIndex].Rtype != ItemComponent) return true;
  if (Items[itemIndex].Nlines == 0) return true;
  OpenDbPath = CompDbPath;
  SaveSession s;
  const bool ok = s.Begin(CompDbPath, "Save Component: " + Items[itemIndex].Name);
  return s.Finish(ok && SaveComponentOn(s, itemIndex));
}

void UpdateComponent(Long& itemIndex) {
  if (itemIndex < 1 || itemIndex > ItemCount || Items[itemIndex].Rtype != ItemComponent) return;
  OpenDbPath = DwgDbPath;
  const String title = "Update Component: " + Items[itemIndex].Name;
  SaveSession s;
  const bool ok = s.Begin(DwgDbPath, title);
  s.Finish(ok && SaveComponentRow(s, itemIndex, true, title));
}

void SaveObjectLines(Long& itemIndex) {
  if (itemIndex < 1 || itemIndex > ItemCount) return;
  const String title = "Save Object Lines: " + Items[itemIndex].Name;
  SaveSession s;
  const bool ok = s.Begin(OpenDbPath, title);
  s.Finish(ok && SaveObjectLinesOn(s, itemIndex));
}

// ---- Layer name store ----------------------------------------------------------------

void SaveLayerName(String& name, String& category) {
  OpenDbPath = SupportFilePath(SettingsDbFile);
  CheckedWrite write;
  Recordset names;
  // A name is one row whatever its letter case, as the database finds it; a
  // name stored already leaves its row as it is.
  const bool begun = write.Begin(OpenDbPath, SchemaSettings);
  bool stored = begun && names.Open(write.Db(), "LayerNames") && names.Find("Name", name) &&
                (!names.Eof() || (names.AddNew() && names.Field("Name").SetText(name) &&
                                  names.Field("Category").SetText(category) && names.Update()));
  DbError error = begun ? names.Error() : write.Error();
  names.Close();
  if (stored) {
    stored = write.Commit();
    if (!stored) error = write.Error();
  }
  write.Close();
  if (!stored) MsgBox(ErrorText(error), vbOKOnly, "Save Layer Name");
}

void ResetSaveData() {
  DrawingAddNewNeeded = true;
  DrawingStoredMeanwhile = false;
  AddNewNeeded = true;
}

namespace {
// The layer-name library keeps every name the program makes in the settings database.
void StoreLayerName(const String& Name, const String& Category) {
  String name = Name, category = Category;
  SaveLayerName(name, category);
}
void PlugSaveData() { ServicesAbove.StoreLayerName = StoreLayerName; }
const ModuleRegistrar Registered({"SaveData", FloorStorage, ResetSaveData, {}, PlugSaveData});
}  // namespace

}  // namespace lintavo
