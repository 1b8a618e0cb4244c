#pragma once
// "Lagre spillere": a save form with only "OK" and "Cancel". Nothing opens it: the setup
// screen's "Lagre spillere" button does nothing.

#include <QDialog>

class CSavePlayersDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSavePlayersDlg(QWidget* parent = nullptr);
};
