// SettingsStore: GetSetting and SaveSetting on QSettings.
//
// The user's store is the native settings file of the application name; a
// scope's INI file keeps each application in a group of its own. Each call
// opens the store and closes it again, so a value saved is on disk when
// SaveSetting returns.
#include "platform/SettingsStore.h"

#include <QSettings>
#include <memory>

namespace lintavo {
namespace {

String ScopeFile;  // "" the user's store; otherwise the INI file every call uses

QString Q(const String& text) { return QString::fromStdString(text); }

// A name QSettings files as one level: slashes would make it a path.
bool UsableName(const String& name) {
  return !name.empty() && name.find_first_of("/\\") == String::npos;
}

bool UsableNames(const String& appName, const String& section, const String& key) {
  return UsableName(appName) && UsableName(section) && UsableName(key);
}

std::unique_ptr<QSettings> OpenStore(const String& appName) {
  if (ScopeFile.empty()) {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, Q(appName),
                                       Q(appName));
  }
  auto store = std::make_unique<QSettings>(Q(ScopeFile), QSettings::IniFormat);
  store->beginGroup(Q(appName));
  return store;
}

QString StoreKey(const String& section, const String& key) { return Q(section) + u'/' + Q(key); }

}  // namespace

String GetSetting(const String& appName, const String& section, const String& key,
                  const String& defaultValue) {
  if (!UsableNames(appName, section, key)) return defaultValue;
  const QVariant value = OpenStore(appName)->value(StoreKey(section, key));
  return value.isValid() ? value.toString().toStdString() : defaultValue;
}

bool SaveSetting(const String& appName, const String& section, const String& key,
                 const String& value) {
  if (!UsableNames(appName, section, key)) return false;
  std::unique_ptr<QSettings> store = OpenStore(appName);
  store->setValue(StoreKey(section, key), Q(value));
  store->sync();
  return store->status() == QSettings::NoError;
}

void SetSettingsScope(const String& iniPath) { ScopeFile = iniPath; }

}  // namespace lintavo
