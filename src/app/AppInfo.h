// AppInfo: the program's name and version as it shows them and as it keys
// its per-user settings.
#pragma once

namespace lintavo {

constexpr const char* AppTitle = "Lintavo";  // window titles, message boxes, settings application
constexpr int AppMajor = 1;     // version shown in the about box
constexpr int AppMinor = 0;
constexpr int AppRevision = 0;

}  // namespace lintavo
