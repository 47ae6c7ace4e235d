// LoadObjects: named definitions brought from a database into the model on
// demand, by name: component definitions (items of kind 1) from the
// Components table of the component database CompDbPath, and the named items
// of a drawing (areas, and items of kind 7 with geometry of their own) from
// the Objects table of the drawings database DwgDbPath.
//
// A loaded definition is an item appended to Items; its geometry becomes
// entities of no drawing (DwgNo 0) owned by the item. Every loader opens its
// own read-only connection, sets OpenDbPath to the file it reads, and closes
// everything before it returns; the loaders given a connection read on it
// (the load of a drawing, inside its read transaction). A definition that
// is not in the database is no error: the result is false and nothing is
// shown. Database errors show in a box titled after the loader, and what was
// appended before stays.
//
// Calling pattern for components: NewItemName := the name, NewItemKind := 1;
// FindLoadedComponent; when it fails, LoadComponent(NewItemName) with
// CompDbPath naming the database that holds the component; on success
// CurItem is the component item.
#pragma once

#include "platform/Types.h"

namespace lintavo {

class Connection;

// ---- Components ------------------------------------------------------------------------
// The first item of kind 1 named NewItemName (letter case ignored, as the
// database finds names), whatever its drawing: true with Index and CurItem its
// index; false with Index 0 and CurItem unchanged when none is loaded.
bool FindLoadedComponent(Long& Index);
// Reads component Name with its geometry from the Components table of
// CompDbPath and appends it: true with CurItem the new item. False, with
// nothing appended, when no row has that name or the row found is not of
// kind 1 (a Null kind included). Errors: "Loading Component: " and the name.
bool LoadComponent(const String& Name);
// The same read on connection, open on the component database: a load that
// reads it already holds it open in its own read transaction.
bool LoadComponent(Connection& connection, const String& Name);
// Whether the Components table of DwgDbPath has a row named Name, whatever
// its kind; nothing is loaded. Errors: "Find Component: " and the name.
bool ComponentExistsInDb(const String& Name);
// Whether a stored drawing or stored definition of DwgDbPath places
// component Name: a Lines row of a placement (Rtype 12) of that name,
// letter case ignored. A failed read shows its message ("Find Component: "
// and the name) and counts as placed.
bool ComponentPlacedInDb(const String& Name);

// ---- Named items of a drawing ------------------------------------------------------------
// The item of kind NewItemKind named NewItemName for the drawing of the
// current window (CurDwg): an item of that drawing already in Items, else
// the Objects row of that name and kind, of the drawing being loaded
// (Dwgs(CurDwg).DrawID) before any other drawing's, appended as an item of
// the drawing with its geometry when it is of kind 7. True with CurItem the
// item. Items of other open drawings are never taken: a link to them would
// dangle once that drawing closes. Errors: "Find Object".
bool LoadNamedObject();
// The same read on connection, open on the drawings database.
bool LoadNamedObject(Connection& connection);
// Appends the geometry of Items(ItemCount), owned by CurItem, from the Lines
// and Points tables of the caller's connection. Errors: "Load Object Lines";
// the item keeps what was appended before.
void LoadObjectGeometry(Connection& connection);

}  // namespace lintavo
