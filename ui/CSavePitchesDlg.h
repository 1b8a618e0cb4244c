#pragma once
// "Lagre baner": a save form with only "OK" and "Cancel".
// Nothing in the program opens this screen today; it is kept as the form of the setup
// screen's "Lagre baner" button, which does nothing.

#include <QDialog>

class CSavePitchesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSavePitchesDlg(QWidget* parent = nullptr);
};
