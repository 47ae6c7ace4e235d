// SupportFiles: paths of the support databases.
#include "storage/SupportFiles.h"

#include "platform/Services.h"

namespace lintavo {

String SupportFilePath(const char* fileName) { return AppFilePath(String("\\Support\\") + fileName); }

}  // namespace lintavo
