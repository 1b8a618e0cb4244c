#pragma once
// "Registrer spillere": a form for one player outside a tournament. It only shows its
// fields; nothing typed into it is stored.
// Nothing in the program opens this screen today; it is kept as the screen behind
// "Registrer spillere" on the setup screen, which nothing opens either.

#include <QDialog>

class QLineEdit;

class CRegisterPlayersDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRegisterPlayersDlg(QWidget* parent = nullptr);

private:
    QLineEdit* nameEdit;
    QLineEdit* hcpEdit;
    QLineEdit* classEdit;
    QLineEdit* teeEdit;
};
