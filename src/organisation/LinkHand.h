// LinkHand: the link of a component definition to one row of a table in
// some database, and the drawings database's LinkTable that holds links to
// other databases.
//
// A component item's LinkType says where its link lives (LinkKind). Kind 1
// is in the item itself (LinkTable, LinkField, PartNumber name a table of
// the drawings database); kind 2 also has a LinkTable row in the drawings
// database with the database's path. The link being shown or edited is kept
// in the Link* variables below; GetObjectLink reads a component's link into
// them and SaveObjectLink writes them back as its LinkTable row.
//
// A LinkTable row belongs to the component whose ObjectID (its item index
// when written) and ObjectName both match; item indexes change between
// sessions, so a row found by name alone gets the current index, and a row
// of another name is never read or overwritten.
#pragma once

#include "platform/Types.h"

namespace lintavo {

enum LinkKind : Integer {
  LinkNone = 0,     // "Not Linked"
  LinkCurrent = 1,  // "Linked Current Database"
  LinkRemote = 2,   // "Linked Remote Database"
};

extern Long LinkItemIndex;     // Items index of the component whose link is shown
extern String LinkObjectName;  // its name
extern String LinkPath;        // full path of the database holding the linked table
extern String LinkFileName;    // file name of that database (kept and stored)
extern String LinkTableName;   // linked table
extern String LinkFieldName;   // key field of the linked table
extern String LinkDataValue;   // key value that selects the linked row
extern String LinkUserID;      // log-on name for the linked database (stored, read back)
extern String LinkPassword;    // its password (stored, read back)

// Creates LinkTable in the drawings database when it is missing; never
// creates the database file. False with a message in error on failure.
bool CreateLinkTable(String& error);

// Writes the link variables as the LinkTable row of component index (one
// transaction, the table created first when missing). Nothing happens for an
// item that is not a component or has no lines (true). A drawings database
// that a drawing save refuses (found damaged, failing the check before a
// save, a table without its key: Verify.h) takes nothing either. A failure is
// shown as "number: description" titled "Save Link Data: " & name; the
// result is false.
bool SaveObjectLink(Long index);

// Loads component index's link into the link variables; true when the linked
// row (kind 1) or the link row (kind 2) was found. Errors are shown titled
// "Get Link Data: " & LinkObjectName and give false.
bool GetObjectLink(Long index);

void ResetLinkHand();

}  // namespace lintavo
