#pragma once
// "Registrer spillere": a form for one player outside a tournament. It only shows its
// fields; nothing typed into it is stored.

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
