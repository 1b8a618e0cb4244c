// "Registrer gruppe": players stored at every keystroke, the playing handicap worked out at
// each keystroke and on opening, the limit of 54, and disabled rows.

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <clocale>
#include <memory>

#include "UiTestSupport.h"
#include "scoring/Handicap.h"
#include "ui/CCreateGroupsDlg.h"
#include "ui/CRegisterGroupDlg.h"

namespace {

const QString LimitMessage = QStringLiteral("Verdien vil bli begrenset oppad til 54.");

class RegisterGroupScreen : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        tournament().selectPitch("Testbanen");  // tee 0: slope 128, rating 70.4, par 72
        tournament().numberOfGroups = 2;
        CPlayGroup& second = group();
        second.groupClass = 0;
        second.playForm = 1;
        second.groupName = "Formiddag";
        second.noOfPlayers = 4;
    }

    void open(int position = 1) {
        screen = std::make_unique<CRegisterGroupDlg>(position);
        screen->show();
    }
    QLineEdit* edit(const char* column, int row) {
        return childNamed<QLineEdit>(screen.get(), QStringLiteral("%1%2").arg(QLatin1String(column)).arg(row));
    }
    CPlayGroup& group() { return tournament().groups[1]; }
    CPlayer& player(int row) { return group().players[row - 1]; }
    void setPlayer(int row, const std::string& firstName, float hcp, float sh) {
        player(row).firstName = firstName;
        player(row).hcp = hcp;
        player(row).sh = sh;
    }

    std::unique_ptr<CRegisterGroupDlg> screen;
};

const char* const Columns[] = {"firstNameEdit", "surNameEdit", "clubEdit", "hcpEdit", "shEdit"};

}  // namespace

TEST_F(RegisterGroupScreen, RowsOfThePlayersAreEnabledAndTheRestDisabled) {
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Registrer gruppe"));
    EXPECT_EQ(childNamed<QGroupBox>(screen.get(), QStringLiteral("groupFrame"))->title(),
              QStringLiteral("Gruppe: Dame (Stableford) Formiddag"));
    for (int row = 1; row <= 9; ++row) {
        for (const char* column : Columns) EXPECT_EQ(edit(column, row)->isEnabled(), row <= 4) << column << row;
    }
    EXPECT_TRUE(edit("shEdit", 1)->isReadOnly());
    EXPECT_TRUE(childNamed<QPushButton>(screen.get(), QStringLiteral("closeButton"))->isDefault());
}

TEST_F(RegisterGroupScreen, PlayerCountsOutsideZeroToNineGoNoFurtherThanNineRows) {
    group().noOfPlayers = 14;
    open();
    for (int row = 1; row <= 9; ++row) EXPECT_TRUE(edit("firstNameEdit", row)->isEnabled()) << row;
    group().noOfPlayers = -3;
    open();
    for (int row = 1; row <= 9; ++row) EXPECT_FALSE(edit("hcpEdit", row)->isEnabled()) << row;
    EXPECT_EQ(childNamed<QGroupBox>(screen.get(), QStringLiteral("groupFrame"))->title(),
              QStringLiteral("Gruppe: Dame (Stableford) Formiddag"));
}

TEST_F(RegisterGroupScreen, IndexesOutsideTheTablesShowAsEmptyText) {
    group().groupClass = 4;
    group().playForm = 2;
    open();
    EXPECT_EQ(childNamed<QGroupBox>(screen.get(), QStringLiteral("groupFrame"))->title(),
              QStringLiteral("Gruppe:  () Formiddag"));
}

// The fields take only what the record keeps, so nothing typed is cut or changed afterwards.
TEST_F(RegisterGroupScreen, NamesAndClubAreStoredAtEveryKeystrokeAsTyped) {
    open();
    QTest::keyClicks(edit("firstNameEdit", 2), QStringLiteral("Bjørn"));
    EXPECT_EQ(player(2).firstName, "Bj\xF8rn");

    typeText(edit("surNameEdit", 2), QStringLiteral("Łåsheim€"));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Dette tegnet kan ikke lagres.")) << "Ł has no Windows-1252 form";
    EXPECT_EQ(edit("surNameEdit", 2)->text(), QStringLiteral("åsheim€"));
    EXPECT_EQ(player(2).surName, "\xE5sheim\x80");

    QTest::keyClicks(edit("clubEdit", 2), QString(60, QLatin1Char('k')));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Feltet kan ikke ha flere enn 49 tegn."));
    EXPECT_EQ(edit("clubEdit", 2)->text(), QString(49, QLatin1Char('k')));
    EXPECT_EQ(player(2).club, std::string(49, 'k'));

    edit("firstNameEdit", 2)->selectAll();
    QTest::keyClick(edit("firstNameEdit", 2), Qt::Key_Backspace);
    EXPECT_EQ(player(2).firstName, "");
    EXPECT_TRUE(edit("firstNameEdit", 2)->isEnabled());
}

TEST_F(RegisterGroupScreen, PlayingHandicapIsWorkedOutAtEachKeystroke) {
    open();
    QLineEdit* hcp = edit("hcpEdit", 1);
    QTest::keyClick(hcp, Qt::Key_1);
    EXPECT_FLOAT_EQ(player(1).hcp, 1.0f);
    EXPECT_FLOAT_EQ(player(1).sh, playingHandicap(1.0f, 128, 70.4f, 72));
    EXPECT_EQ(edit("shEdit", 1)->text(), QStringLiteral("-0"));
    QTest::keyClicks(hcp, QStringLiteral("2.3"));
    EXPECT_FLOAT_EQ(player(1).hcp, 12.3f);
    EXPECT_FLOAT_EQ(player(1).sh, 12.332745f);
    EXPECT_EQ(edit("shEdit", 1)->text(), QStringLiteral("12"));

    // The group's tee counts: tee 2 has slope 131, rating 69.8, par 72.
    group().tee = 2;
    hcp->clear();
    QTest::keyClicks(hcp, QStringLiteral("28.4"));
    EXPECT_FLOAT_EQ(player(1).sh, 30.723896f);
    EXPECT_EQ(edit("shEdit", 1)->text(), QStringLiteral("31"));
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
}

TEST_F(RegisterGroupScreen, HandicapAbove54IsLimitedWithOneMessagePerChange) {
    open();
    QLineEdit* hcp = edit("hcpEdit", 3);
    QTest::keyClick(hcp, Qt::Key_5);
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
    EXPECT_FLOAT_EQ(player(3).hcp, 5.0f);
    QTest::keyClick(hcp, Qt::Key_5);
    EXPECT_EQ(MessageBox::recorded(), QStringList{LimitMessage});
    EXPECT_FLOAT_EQ(player(3).hcp, 54.0f);
    EXPECT_EQ(hcp->text(), QStringLiteral("55"));
    EXPECT_FLOAT_EQ(player(3).sh, playingHandicap(54.0f, 128, 70.4f, 72));

    hcp->clear();
    QTest::keyClicks(hcp, QStringLiteral("54"));
    EXPECT_EQ(MessageBox::recorded().size(), 1);
    EXPECT_FLOAT_EQ(player(3).hcp, 54.0f);
    QTest::keyClicks(hcp, QStringLiteral(".05"));
    EXPECT_EQ(MessageBox::recorded().size(), 2);
}

TEST_F(RegisterGroupScreen, HandicapIsReadWithAPointOrACommaUnderADecimalCommaLocale) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    open();
    QTest::keyClicks(edit("hcpEdit", 1), QStringLiteral("12,5"));
    EXPECT_FLOAT_EQ(player(1).hcp, 12.5f);
    edit("hcpEdit", 2)->setText(QStringLiteral("12.5"));
    EXPECT_FLOAT_EQ(player(2).hcp, 12.5f);
    edit("hcpEdit", 3)->setText(QStringLiteral("tolv"));
    EXPECT_FLOAT_EQ(player(3).hcp, 0.0f);
    // No handicap: the playing handicap is course rating less par figure.
    EXPECT_EQ(edit("shEdit", 3)->text(), QStringLiteral("-2"));
    edit("hcpEdit", 4)->setText(QStringLiteral("-1.2"));
    EXPECT_FLOAT_EQ(player(4).hcp, -1.2f);
}

TEST_F(RegisterGroupScreen, OpeningShowsThePlayersAndWorksOutTheirPlayingHandicaps) {
    setPlayer(1, "Kari", 12.34f, 3.0f);
    player(1).surName = "Nordmann";
    player(1).club = "Fjellvik GK";
    setPlayer(2, "Ola", 0.0f, 7.6f);
    setPlayer(3, "Per", 0.0f, -1.0f);
    setPlayer(4, std::string(60, 'p'), -2.0f, 5.0f);
    open();
    EXPECT_EQ(edit("firstNameEdit", 1)->text(), QStringLiteral("Kari"));
    EXPECT_EQ(edit("clubEdit", 1)->text(), QStringLiteral("Fjellvik GK"));
    EXPECT_EQ(edit("hcpEdit", 1)->text(), QStringLiteral("12.3"));
    EXPECT_FLOAT_EQ(player(1).hcp, 12.3f);
    EXPECT_FLOAT_EQ(player(1).sh, 12.332745f);
    EXPECT_EQ(edit("shEdit", 1)->text(), QStringLiteral("12"));
    // 12.3 x 128 / 113 + 70.4 - 72 = 12.333 at "1/1".
    EXPECT_EQ(edit("playingHandicapEdit", 1)->text(), QStringLiteral("12"));
    // A named player's index of 0.0 or a plus handicap is shown too, and "SH" worked out anew.
    EXPECT_EQ(edit("hcpEdit", 2)->text(), QStringLiteral("0.0"));
    EXPECT_FLOAT_EQ(player(2).sh, playingHandicap(0.0f, 128, 70.4f, 72));
    EXPECT_EQ(edit("shEdit", 2)->text(), QStringLiteral("-2"));
    EXPECT_EQ(edit("shEdit", 3)->text(), QStringLiteral("-2"));
    EXPECT_EQ(edit("hcpEdit", 4)->text(), QStringLiteral("-2.0"));
    EXPECT_FLOAT_EQ(player(4).hcp, -2.0f);
    EXPECT_EQ(edit("shEdit", 4)->text(), QStringLiteral("-4"));
    EXPECT_EQ(edit("playingHandicapEdit", 4)->text(), QStringLiteral("-4"));
    EXPECT_EQ(player(4).firstName, std::string(49, 'p'));
    EXPECT_TRUE(MessageBox::recorded().isEmpty());
}

TEST_F(RegisterGroupScreen, AHandicapAbove54ReadBackOnOpeningIsLimitedWithTheMessage) {
    player(1).hcp = 60.0f;
    open();
    EXPECT_EQ(MessageBox::recorded(), QStringList{LimitMessage});
    EXPECT_FLOAT_EQ(player(1).hcp, 54.0f);
    EXPECT_EQ(edit("hcpEdit", 1)->text(), QStringLiteral("60.0"));
    EXPECT_EQ(edit("shEdit", 1)->text(), QString::fromStdString(formatPlayingHandicap(player(1).sh)));
}

// A tee the selected course does not have (another course chosen, none chosen, or a
// course the table lacks) never gives a playing handicap from another course's figures.
TEST_F(RegisterGroupScreen, ATeeTheSelectedCourseLacksGivesNoPlayingHandicap) {
    const QString missingTee = QStringLiteral("Gruppens tee finnes ikke på valgt bane. Velg tee i Opprett grupper.");
    const struct {
        const char* course;
        int tee;
        bool valid;
    } cases[] = {
        {"Testbanen", 7, false},   {"Kortbanen", 2, false}, {"", 2, false},
        {"Finnes ikke", 0, false}, {"Kortbanen", 0, true},
    };
    for (const auto& c : cases) {
        tournament().selectPitch("Testbanen");
        group().tee = c.tee;
        tournament().selectPitch(c.course);
        setPlayer(1, "Kari", 10.0f, 7.0f);
        MessageBox::clearRecorded();
        open();
        EXPECT_EQ(MessageBox::recorded(), c.valid ? QStringList() : QStringList{missingTee}) << c.course;
        QTest::keyClicks(edit("hcpEdit", 1), QStringLiteral("2"));  // 10.02
        EXPECT_EQ(edit("shEdit", 1)->text().isEmpty(), !c.valid) << c.course;
        EXPECT_EQ(player(1).sh == 7.0f, !c.valid) << c.course;
        CCreateGroupsDlg groups;
        EXPECT_EQ(childNamed<QComboBox>(&groups, QStringLiteral("teeList2"))->currentText().isEmpty(), !c.valid)
            << c.course;
    }
}

TEST_F(RegisterGroupScreen, TabRunsRowByRowPastTheReadOnlyField) {
    open();
    edit("firstNameEdit", 1)->setFocus();
    QWidget* next = edit("firstNameEdit", 1);
    for (const char* expected : {"surNameEdit1", "clubEdit1", "hcpEdit1", "firstNameEdit2"}) {
        next = next->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName(), QString::fromLatin1(expected));
    }
}
