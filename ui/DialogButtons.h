#pragma once
// The rows of buttons that close the maintenance screens, and Enter on a focused button.

class QBoxLayout;
class QDialog;
class QPushButton;
class QString;

struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

// Adds a right-aligned row of "OK" (the default button) and "Cancel" to `layout`. "Cancel"
// rejects the dialog; what "OK" does is left to the caller.
OkCancelButtons addOkCancelButtons(QDialog* dialog, QBoxLayout* layout);

struct RegistrationButtons {
    QPushButton* add;
    QPushButton* done;
};

// Adds the row that ends a registration form: `addText` at the left, the default button so
// that Enter does no harm (it stores nothing yet), and `doneText` at the right in the cancel
// role (it rejects the dialog).
RegistrationButtons addRegistrationButtons(QDialog* dialog, QBoxLayout* layout, const QString& addText,
                                           const QString& doneText);

// Enter on `button` while it has the focus presses it, as Space does. Without this, Enter on a
// button that is not auto-default presses the dialog's default button instead (closing the
// screen) or, where there is no default, nothing at all.
void pressWithEnter(QPushButton* button);
