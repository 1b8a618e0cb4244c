#pragma once
// "Lagre spillere": a save form with only "OK" and "Cancel".
// Nothing in the program opens this screen today; it is kept as the form of the setup
// screen's "Lagre spillere" button, which does nothing.

#include <QDialog>

class CSavePlayersDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSavePlayersDlg(QWidget* parent = nullptr);
};
