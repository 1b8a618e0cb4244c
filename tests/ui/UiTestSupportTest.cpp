// The modal helper itself: a dialog that never comes, a different one or one left open fails the
// case at once with the dialog's name, and the case goes on instead of hanging.

#include <gtest/gtest-spi.h>
#include <QDialog>
#include <QMessageBox>

#include "UiTestSupport.h"

namespace {

void openWarning() {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Fernhill"), QStringLiteral("Noe gikk galt."),
                    QMessageBox::Ok);
    box.exec();
}

void openDialogTitled(const char* title) {
    QDialog dialog;
    dialog.setWindowTitle(QString::fromUtf8(title));
    dialog.exec();
}

}  // namespace

TEST(ModalHelper, FailsNamingTheDialogInsteadOfHanging) {
    EXPECT_NONFATAL_FAILURE(
        answerModal(
            QStringLiteral("Opprett grupper"), [] { openWarning(); }, [](QWidget* dialog) { dialog->close(); }),
        "waited for the dialog \"Opprett grupper\", but \"Fernhill\" saying \"Noe gikk galt.\"");
    EXPECT_NONFATAL_FAILURE(answerModal(
                                QStringLiteral("Resultater"), [] { openDialogTitled("Resultater"); }, [](QWidget*) {}),
                            "the dialog \"Resultater\" was left open");
    EXPECT_NONFATAL_FAILURE(answerModal(
                                QStringLiteral("Aktiv turnering"), [] {}, [](QWidget*) {}),
                            "no dialog \"Aktiv turnering\" came within 5000 ms");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
