// SupportFiles: where the support databases lie: the Support folder of the
// application folder.
#pragma once

#include "platform/Types.h"

namespace lintavo {

constexpr const char* SettingsDbFile = "Settings_qz.mdb";  // option sets and layer names
constexpr const char* FontsDbFile = "Fonts_qz.mdb";        // stroke fonts
constexpr const char* PatternsDbFile = "Patterns_qz.mdb";  // hatch patterns

// The path of a support database file in the application folder.
String SupportFilePath(const char* fileName);

}  // namespace lintavo
