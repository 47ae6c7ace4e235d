// Services: the application folder, file names and a few facts about the
// user and the machine.
//
// The program names its files the way it always has: "\Support\Fonts_qz.mdb"
// under the application folder, or a path of the user's choice. JoinPath turns
// such a name into a path of this system: backslashes become "/", and a path
// that is already absolute here is used as it is. File names keep their case.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Application folder ----------------------------------------------------
String AppPath();                     // the application folder, without a trailing "/"
void SetAppPath(const String& path);  // another folder (tests); "" restores the program's folder

// ---- File names ------------------------------------------------------------
// name under folder: "\Support\x.mdb" and "Support\x.mdb" give folder + "/Support/x.mdb";
// a name absolute on this system is returned unchanged; "" gives the folder.
String JoinPath(const String& folder, const String& name);
String AppFilePath(const String& name);  // JoinPath(AppPath(), name)
bool FileExists(const String& path);     // a file (not a folder) of that path exists
// A path for a temporary file of that name in the program's own temporary
// folder, which is made on first use and removed when the program ends;
// "" when the folder cannot be made.
String TempFilePath(const String& fileName);

// ---- The user --------------------------------------------------------------
String UserLoginName();  // the signed-in user's login name; "" when there is none
// The program's cache folder for this user (under the user's cache folder, in
// a folder of the program's name), for files the program makes again when
// they are lost; "" when there is none. Not made here.
String UserCachePath();
void SetUserCachePath(const String& path);  // another folder (tests); "" restores the user's

}  // namespace lintavo
