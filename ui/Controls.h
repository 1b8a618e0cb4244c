#pragma once
// The controls the screens build alike: buttons and the rows that hold them, text fields,
// the names tests find them by, and Enter on a focused button.

#include <QString>
#include <initializer_list>

class QBoxLayout;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// What Enter does for a button: presses it only while it has the focus, so Enter in a text
// field never presses it by accident; presses it anywhere in the dialog (the default
// button); or as Qt leaves a dialog's button, pressing it when focused.
enum class EnterKey { WhenFocused, Default, AsQt };

struct ButtonLabel {
    QString text;
    QString objectName;
    // Where the screen keeps the button, if it does.
    QPushButton** button = nullptr;
    EnterKey enter = EnterKey::WhenFocused;
};
// In a row of buttons, the place of the stretch: the buttons before it keep to the left,
// those after it to the right.
inline const ButtonLabel Stretch{};

QPushButton* makeButton(const ButtonLabel& label, QWidget* parent);
// Adds to `row` a button of `parent` for each of `labels`, in their order, and a stretch
// where Stretch stands.
void addButtons(QBoxLayout* row, QWidget* parent, std::initializer_list<ButtonLabel> labels);

struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

// Adds a right-aligned row of "OK" (the default button) and "Cancel" to `layout`. "Cancel"
// rejects the dialog; what "OK" does is left to the caller.
OkCancelButtons addOkCancelButtons(QDialog* dialog, QBoxLayout* layout);

// Adds the row that ends a registration form: `addText` at the left, the default button so
// that Enter does no harm (it stores nothing yet), and `doneText` at the right in the cancel
// role (it rejects the dialog).
void addRegistrationButtons(QDialog* dialog, QBoxLayout* layout, const QString& addText, const QString& doneText);

// Adds a right-aligned row holding "Lukk", the default button, to `layout`; it accepts `dialog`.
QPushButton* addCloseButton(QDialog* dialog, QBoxLayout* layout);

// Enter on `button` while it has the focus presses it, as Space does. Without this, Enter on a
// button that is not auto-default presses the dialog's default button instead (closing the
// screen) or, where there is no default, nothing at all.
void pressWithEnter(QPushButton* button);

struct EditOptions {
    QString accepts{};       // a pattern of the whole text the field takes; anything when empty
    int minimumLetters = 0;  // at least as wide as this many letters 'x'
    int digits = 0;          // exactly as wide as this many digits, the text centred
};

QLineEdit* makeEdit(const QString& objectName, QWidget* parent, const EditOptions& options = {});
// A label in the bold of the window's font, for headings.
QLabel* boldLabel(const QString& text, QWidget* parent);

// The name of one of a row's or a hole's controls: "parEdit" and 3 give "parEdit3".
QString numbered(const char* word, int number);
