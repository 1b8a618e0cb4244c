#include "app/CTournamentApp.h"
#include "ui/CTournamentDlg.h"

// The run lasts as long as the main window is open; nothing is saved at exit.
int main(int argc, char** argv) {
    CTournamentApp app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    CTournamentDlg mainWindow;
    mainWindow.exec();
    return 0;
}
