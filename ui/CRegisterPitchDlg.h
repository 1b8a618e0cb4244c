#pragma once
// "Registrering av baner": a form for one course. It only shows its fields; nothing typed
// or chosen in it is stored.
// Nothing in the program opens this screen today; it is kept as the screen behind
// "Registrer baner" on the setup screen, which nothing opens either.

#include <QDialog>

class QComboBox;
class QLineEdit;

class CRegisterPitchDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRegisterPitchDlg(QWidget* parent = nullptr);

private:
    QLineEdit* pitchNameEdit;
    QComboBox* holesCombo;
};
