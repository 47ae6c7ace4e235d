// frmLineProperties: the modal dialog that shows the data of a selected
// entity and lets the user change its editable fields. The drawing window's
// right button opens it while a selection exists.
#pragma once

namespace lintavo {

// Shows the dialog modally, creating it on first use, and returns when it
// closes. The dialog is not built yet: nothing is shown.
void ShowLineProperties();

}  // namespace lintavo
