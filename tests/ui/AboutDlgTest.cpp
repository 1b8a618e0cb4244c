// The about box: icon, name and version, and an OK button that closes it.

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/CAboutDlg.h"

TEST_F(UiTest, AboutBoxShowsIconAndVersionAndClosesWithOk) {
    CAboutDlg about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Teebrook"));
    EXPECT_EQ(childNamed<QLabel>(&about, QStringLiteral("versionLabel"))->text(),
              QStringLiteral("Teebrook Version 1.0"));
    EXPECT_FALSE(childNamed<QLabel>(&about, QStringLiteral("iconLabel"))->pixmap().isNull());
    auto* ok = childNamed<QPushButton>(&about, QStringLiteral("okButton"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}
