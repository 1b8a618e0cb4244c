#pragma once
// "Resultater": lists every player of the groups in use with the strokes entered so far
// and writes the result list when it opens. It changes no record.

#include <QDialog>
#include <QString>
#include <QStringList>

class QListWidget;
class QPushButton;
class CTournament;
class StatusLine;

class CResultsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CResultsDlg(QWidget* parent = nullptr);

    // The list's lines, top to bottom.
    QStringList lines() const;

private:
    void buildForm();
    void fillResults();
    void writeResults();
    void writePrizeList();
    void printResults();
    void printPrizeList();
    // Refuses an empty name or one that cannot name a file, saying why.
    bool hasUsableName();

    const CTournament& tournament;
    QListWidget* resultsList = nullptr;
    StatusLine* statusLine = nullptr;
    QPushButton* printResultsButton = nullptr;
    QPushButton* prizeListButton = nullptr;
    QPushButton* printPrizeListButton = nullptr;
};
