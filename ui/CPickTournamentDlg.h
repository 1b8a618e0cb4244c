#pragma once
// "Åpne turnering": the tournaments saved in data/, newest first, to pick one from when the
// name typed is empty or names no saved tournament. A file that cannot be read is shown greyed.

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QTreeWidget;

class CPickTournamentDlg : public QDialog {
    Q_OBJECT
public:
    // `notFound` is the name typed that no file has, said above the list; empty when none was typed.
    explicit CPickTournamentDlg(const QString& notFound, const std::string& folder, QWidget* parent = nullptr);

    // The file picked, after the dialog was accepted.
    const std::string& pickedPath() const { return picked; }

private:
    void buildForm(const QString& notFound);
    void fillList(const std::string& folder);
    void onPicked();

    std::string picked;
    QLabel* introLabel = nullptr;
    QTreeWidget* tournamentList = nullptr;
    QPushButton* openButton = nullptr;
};
