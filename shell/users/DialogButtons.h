#pragma once
// The OK and "Abbrechen" buttons of the account dialogs.
class QDialog;
class QDialogButtonBox;

namespace vyr {

// The buttons, owned by the dialog: OK calls its accept (a dialog's own
// check runs there), "Abbrechen" its reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

}  // namespace vyr
