// SaveData: writing open drawings and component definitions into database
// files, and the layer-name store.
//
// A drawing is its Drawing row, one Objects row per named item (groups,
// areas, views, layers, items with geometry of their own), one Lines row per
// entity and one Points row per vertex. A component is its Components row
// and the Lines and Points rows of its definition geometry (entities of no
// drawing, DwgNo 0, owned by the item), stored with DrawingID 0 and OwnerID
// the component's key.
//
// Every save is one transaction on one connection: it is stored whole or not
// at all. It takes the file's write lock before it writes a row: while
// another program holds the file, the save gives up within one wait
// (BusyWaitMs), shows "5: database is locked" and writes nothing. On any
// failure the transaction rolls back, the keys the save gave the model
// (DrawID, ObjectID, LineID, creation dates) are put back as they were, and
// one box titled with the failing operation shows the error as
// "number: description". A commit that was made but cannot be told whole
// (another program wrote the file while it ran) is reported as a failure
// too, and keeps its keys: they name the rows stored. A save killed half-way leaves the file as it was
// before the save; the database rolls the interrupted transaction back when
// the file is next opened for writing. A database found damaged, or with a
// table that does not key its rows by its key column, takes no save at all
// (DatabaseFitToWrite): the message says why, and the drawing can be saved
// into another database.
//
// Keys: a stored row's key is read back into the model at once, so the next
// save of the same drawing updates the same rows. Keys are only trusted in
// the database they came from (DwgRec.SourceDbPath): a drawing saved under a
// name and revision stored from elsewhere replaces that stored drawing.
//
// Names are passed to the database as bound values, so a name with "'" is
// stored and found like any other.
//
// Sections:
//   Module state
//   Drawings
//   Components and item geometry
//   Layer name store
#pragma once

#include <optional>
#include <vector>

#include "platform/Database.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Module state ------------------------------------------------------------------
extern bool DrawingAddNewNeeded;  // the last SaveDrawing added the Drawing row (no row of
                                  //   that name and revision was stored)
extern bool DrawingStoredMeanwhile;  // the last SaveDrawing wrote nothing: the drawing stored under
                                     //   that name and revision was not the one the user was asked about
extern bool AddNewNeeded;         // the last item or component written got a new row

// ---- Drawings ----------------------------------------------------------------------
// Writes drawing Dwgs(index) with its items, lines and points into the
// drawings database DwgDbPath; the row of the same name (letter case
// ignored) and revision (exact) is updated, or a new one added; a row keyed
// below 1 names no drawing (IsDrawingKey) and is never taken for its row.
// True when the drawing was stored; false, with DlgCancelled set and the
// message shown, when nothing was. On success CurDrawID is the drawing's key,
// OpenDbPath and CompDbPath are DwgDbPath, the drawing's SourceDbPath
// becomes DwgDbPath and its changed mark is cleared. The components the drawing places that the database
// lacks are written with it (ComponentsMissingFromDb), so that a stored
// drawing is complete on its own wherever its components came from.
bool SaveDrawing(Long index);
// The same, first writing the component definitions (item indexes, in that
// order) into the same database, all in the one transaction. With overwrite
// a stored drawing of that name and revision is replaced whole: its Objects,
// Lines and Points rows are deleted and the drawing's rows added afresh.
//
// asked, from the save dialog: the key of the stored drawing of that name
// and revision that the user was asked about and agreed to replace (0: none
// was stored when the dialog looked, and nothing was asked). Another program
// may store or replace that drawing before the save takes the file: when the
// save finds, inside its transaction, a stored drawing of that name and
// revision keyed otherwise, it writes nothing, shows why (DbErrChangedMeanwhile,
// titled "Save Drawing Record") and sets DrawingStoredMeanwhile, so that the
// dialog asks again about what is stored now. Without asked, whatever is
// stored under that name and revision is updated or replaced.
bool SaveDrawing(Long index, const std::vector<Long>& components, bool overwrite,
                 std::optional<DbKey> asked = std::nullopt);

// True when the drawings database holds a Drawing row of a drawing (keyed
// from 1) with the name (letter case ignored) and the revision (exact) of
// Dwgs(index). Sets CurDwgName and CurDrawID. A failure shows its message
// titled "Check Drawing", sets DlgCancelled and returns False.
bool CheckDrawingExists(Long index);
// The same, with the key of the row found in stored (0 when none was).
bool CheckDrawingExists(Long index, DbKey& stored);
// The same without the box: a failure leaves its reason in error (which is
// emptied otherwise), sets DlgCancelled and returns False, for a caller that
// reports a locked database in its own words.
bool CheckDrawingExists(Long index, DbKey& stored, DbError& error);

// ---- Components and item geometry ----------------------------------------------------
// Writes component itemIndex into CompDbPath together with every component
// placed in its definition, at any depth, each once: the placed ones first,
// so every placement refers to a stored key. One transaction for the tree.
// Returns True when all were stored.
bool SaveComponentTree(Long& itemIndex);
// Writes one component definition into CompDbPath: the row named like it
// (Rtype 1) is updated, or one is added; its geometry is written when the
// row is new or its line count changed. False when it was not stored (the
// message is shown); true also when there was nothing to store.
bool SaveComponent(Long& itemIndex);
// Writes an edited component into DwgDbPath: the row named ComponentName
// (its name before the edit) takes the item's current name and values, or a
// row is added; its geometry is written.
void UpdateComponent(Long& itemIndex);
// Writes the definition geometry owned by the item (shown entities of DwgNo
// 0 whose OwnerID is the item) into OpenDbPath. The owner's stored rows are
// recognised by owner key, DrawingID 0 and entity type and updated; the
// rest are added, and the owner's stored rows not rewritten are deleted.
void SaveObjectLines(Long& itemIndex);

// Which component definitions place which, read from the model once: the
// placements (entities of type 12 in definition geometry, DwgNo 0) by the
// definition that owns them. Following it costs each component and each
// placement once, whatever the depth, and it never recurses.
class ComponentTree {
 public:
  ComponentTree();
  // Appends to list the components root places, at any depth, and root
  // itself, each after those it places; components marked in visited are
  // passed over (with what they place) and those appended are marked.
  void Collect(Long root, std::vector<bool>& visited, std::vector<Long>& list) const;

 private:
  static Long PlacingOwner(Long j);
  std::vector<Long> first_;   // by item index: the first entry of its placements in placed_
  std::vector<Long> placed_;  // the item each placement shows, definition by definition
};

// The components (item indexes) that itemIndex places, at any depth, and
// itself last, each once, every one after those it places.
std::vector<Long> ComponentTreeItems(Long itemIndex);

// The components drawing Dwgs(index) places that the drawings database
// DwgDbPath lacks (by name), each once, with the components they place
// that it lacks too, every one after those it places. A component stored
// under its name is left as stored.
std::vector<Long> ComponentsMissingFromDb(Long index);

// ---- Layer name store ----------------------------------------------------------------
// Stores a layer name with its category in the settings database's
// LayerNames table unless a row of that name is there already (its category
// is then left as it is). A settings database found damaged, or one that
// fails the check before a save (Verify.h), takes nothing. Errors show in a
// box titled "Save Layer Name"; the name stays in the list for the run.
void SaveLayerName(String& name, String& category);

void ResetSaveData();  // the module state to its start values

}  // namespace lintavo
