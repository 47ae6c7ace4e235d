// LoadObjects: component lookup among the loaded items and component loading.
#include "storage/LoadObjects.h"

#include "app/DataHand.h"
#include "platform/TextCompare.h"

namespace lintavo {

bool FindLoadedComponent(Long& Index) {
  Index = 0;
  for (Long i = 1; i <= ItemCount; ++i) {
    if (Items[i].Rtype == ItemComponent && SameTextNoCase(Items[i].Name, NewItemName)) {
      Index = CurItem = i;
      return true;
    }
  }
  return false;
}

bool LoadComponent(const String& Name) {
  (void)Name;  // the component database reader is not built yet
  return false;
}

}  // namespace lintavo
