// AppInfo: the program's name and version as it shows them and as it keys
// its per-user settings. Both come from the build (the project's name and
// version), which hands them to every floor, the platform layer included.
#pragma once

namespace lintavo {

constexpr const char* AppTitle = LINTAVO_PROGRAM_NAME;  // window titles, message boxes, settings application
constexpr int AppMajor = LINTAVO_VERSION_MAJOR;     // version shown in the about box
constexpr int AppMinor = LINTAVO_VERSION_MINOR;
constexpr int AppRevision = LINTAVO_VERSION_PATCH;

}  // namespace lintavo
