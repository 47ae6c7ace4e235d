// SettingsStore: the per-user settings store: text values filed by
// application, section and key ("Lintavo", "Options", "Show Tips at Startup").
//
// Values are strings, as stored; callers that keep numbers convert them.
// The store is the user's own settings file unless a settings scope is set:
// then every call reads and writes one INI file instead, which is how the
// tests keep away from the user's real settings.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Reading and writing ---------------------------------------------------
// The stored value, or defaultValue when there is none. Names must be
// non-empty and free of "/" and "\"; other names read as missing.
String GetSetting(const String& appName, const String& section, const String& key,
                  const String& defaultValue = "");
// Stores the value; false when a name is unusable or the store cannot be written.
bool SaveSetting(const String& appName, const String& section, const String& key,
                 const String& value);

// ---- Scope -----------------------------------------------------------------
// A non-empty path makes every call use the INI file at that path; an empty
// path restores the user's store.
void SetSettingsScope(const String& iniPath);

}  // namespace lintavo
