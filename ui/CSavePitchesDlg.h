#pragma once
// "Lagre baner": a save form with only "OK" and "Cancel". Nothing opens it: the setup
// screen's "Lagre baner" button does nothing.

#include <QDialog>

class CSavePitchesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSavePitchesDlg(QWidget* parent = nullptr);
};
