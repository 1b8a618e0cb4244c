// "Opprett grupper": rows in use show their groups, picks and keystrokes are stored at once,
// rows beyond the number of groups are disabled.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "UiTestSupport.h"
#include "ui/CChoiceList.h"
#include "ui/CCreateGroupsDlg.h"
#include "ui/CRegisterGroupDlg.h"

namespace {

class CreateGroupsScreen : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        tournament().numberOfGroups = 3;
        tournament().selectPitch("Testbanen");
    }

    void open() {
        screen = std::make_unique<CCreateGroupsDlg>();
        screen->show();
    }

    CChoiceList* list(const char* column, int row) {
        return childNamed<CChoiceList>(screen.get(), QStringLiteral("%1%2").arg(QLatin1String(column)).arg(row));
    }
    QLineEdit* edit(const char* column, int row) {
        return childNamed<QLineEdit>(screen.get(), QStringLiteral("%1%2").arg(QLatin1String(column)).arg(row));
    }
    CPlayGroup& group(int row) { return tournament().groups[row - 1]; }

    std::unique_ptr<CCreateGroupsDlg> screen;
};

const char* const ListColumns[] = {"classList", "playFormList", "allowanceList", "teeList"};
const char* const EditColumns[] = {"nameEdit", "playerCountEdit"};

}  // namespace

TEST_F(CreateGroupsScreen, RowsInUseShowTheirGroupsAndTheRestAreDisabledAndEmpty) {
    group(2).groupClass = 3;
    group(2).playForm = 1;
    group(2).allowance = 2;
    group(2).noOfPlayers = 4;
    group(2).groupName = "Ettermiddag";
    group(2).tee = 2;
    group(5).groupName = "Skjult";
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Opprett grupper"));

    EXPECT_EQ(list("classList", 2)->currentText(), QStringLiteral("Mixed"));
    EXPECT_EQ(list("playFormList", 2)->currentText(), QStringLiteral("Stableford"));
    EXPECT_EQ(list("allowanceList", 2)->currentText(), QStringLiteral("1/2"));
    EXPECT_EQ(list("teeList", 2)->currentText(), QStringLiteral("Blå"));
    EXPECT_EQ(edit("playerCountEdit", 2)->text(), QStringLiteral("4"));
    EXPECT_EQ(edit("nameEdit", 2)->text(), QStringLiteral("Ettermiddag"));
    // A fresh group shows the first entry of each table and the name of tee 0.
    EXPECT_EQ(list("classList", 1)->currentText(), QStringLiteral("Dame"));
    EXPECT_EQ(list("teeList", 1)->currentText(), QStringLiteral("Gul"));
    EXPECT_EQ(edit("playerCountEdit", 1)->text(), QStringLiteral("0"));
    // Only text parts are set; no entry is chosen.
    EXPECT_EQ(list("classList", 2)->currentIndex(), -1);

    for (int row = 1; row <= 9; ++row) {
        const bool inUse = row <= 3;
        for (const char* column : ListColumns) {
            EXPECT_EQ(list(column, row)->isEnabled(), inUse) << column << row;
            if (!inUse) {
                EXPECT_TRUE(list(column, row)->currentText().isEmpty()) << column << row;
            }
        }
        for (const char* column : EditColumns) {
            EXPECT_EQ(edit(column, row)->isEnabled(), inUse) << column << row;
            if (!inUse) {
                EXPECT_TRUE(edit(column, row)->text().isEmpty()) << column << row;
            }
        }
    }
    EXPECT_EQ(group(5).groupName, "Skjult");
}

TEST_F(CreateGroupsScreen, NineOrMoreGroupsShowNineRowsAllEnabled) {
    for (int groups : {9, 12}) {
        tournament().numberOfGroups = groups;
        open();
        for (int row = 1; row <= 9; ++row) EXPECT_TRUE(edit("nameEdit", row)->isEnabled()) << groups << row;
    }
}

TEST_F(CreateGroupsScreen, ListsHoldTheTablesAndTheTeesOfTheCourse) {
    open();
    CChoiceList* allowances = list("allowanceList", 9);
    ASSERT_EQ(allowances->count(), 8);
    EXPECT_EQ(allowances->itemText(4), QStringLiteral("0"));
    EXPECT_EQ(allowances->itemText(5), QStringLiteral("95 %"));
    EXPECT_EQ(list("classList", 7)->itemText(3), QStringLiteral("Mixed"));
    EXPECT_EQ(list("playFormList", 1)->itemText(1), QStringLiteral("Stableford"));
    CChoiceList* tees = list("teeList", 4);
    ASSERT_EQ(tees->count(), 3);
    EXPECT_EQ(tees->itemText(0), QStringLiteral("Gul"));
    EXPECT_EQ(tees->itemText(2), QStringLiteral("Blå"));
}

TEST_F(CreateGroupsScreen, PicksStoreTheirPositions) {
    tournament().numberOfGroups = 5;
    open();
    pickEntry(list("classList", 2), 1);
    pickEntry(list("playFormList", 2), 1);
    pickEntry(list("allowanceList", 2), 1);
    EXPECT_EQ(group(2).groupClass, 1);
    EXPECT_EQ(group(2).playForm, 1);
    EXPECT_EQ(group(2).allowance, 1);
    EXPECT_FLOAT_EQ(group(2).allowanceFactor, 0.75f);
    pickEntry(list("allowanceList", 2), 4);
    EXPECT_EQ(group(2).allowance, 4);
    EXPECT_FLOAT_EQ(group(2).allowanceFactor, 0.0f);

    pickEntry(list("teeList", 5), 2);
    EXPECT_EQ(group(5).tee, 2);
    // Nothing else of the group or of other groups changed.
    EXPECT_EQ(group(5).groupClass, 0);
    EXPECT_EQ(group(1).allowance, 0);

    screen.reset();
    open();
    EXPECT_EQ(list("teeList", 5)->currentText(), QStringLiteral("Blå"));
    EXPECT_EQ(list("allowanceList", 2)->currentText(), QStringLiteral("0"));
}

TEST_F(CreateGroupsScreen, TextTypedIntoAListIsNeverStored) {
    open();
    CChoiceList* classes = list("classList", 1);
    classes->lineEdit()->clear();
    QTest::keyClicks(classes->lineEdit(), QStringLiteral("Junior"));
    QTest::keyClick(classes->lineEdit(), Qt::Key_Return);
    edit("nameEdit", 1)->setFocus();
    EXPECT_EQ(group(1).groupClass, 0);
    EXPECT_EQ(classes->count(), 4);
    EXPECT_EQ(classes->lineEdit()->text(), QStringLiteral("Junior"));
}

TEST_F(CreateGroupsScreen, NameAndPlayerCountAreStoredAtEveryKeystroke) {
    open();
    QLineEdit* name = edit("nameEdit", 3);
    QTest::keyClicks(name, QStringLiteral("Kveld"));
    EXPECT_EQ(group(3).groupName, "Kveld");
    name->clear();
    QTest::keyClicks(name, QString(60, QLatin1Char('n')));
    EXPECT_EQ(group(3).groupName, std::string(49, 'n'));

    // One digit, typed over the "0" shown; any other keystroke is refused.
    QLineEdit* count = edit("playerCountEdit", 3);
    QTest::keyClicks(count, QStringLiteral("4 spillere"));
    EXPECT_EQ(group(3).noOfPlayers, 4);
    count->clear();
    EXPECT_EQ(group(3).noOfPlayers, 0);
    QTest::keyClicks(count, QStringLiteral("mange"));
    EXPECT_EQ(group(3).noOfPlayers, 0);
    count->clear();
    QTest::keyClicks(count, QStringLiteral("-2"));
    EXPECT_EQ(group(3).noOfPlayers, 2);
    count->clear();
    QTest::keyClicks(count, QStringLiteral("12"));
    EXPECT_EQ(count->text(), QStringLiteral("1"));
    EXPECT_EQ(group(3).noOfPlayers, 1);
    count->clear();
    QTest::keyClicks(count, QStringLiteral("         7"));
    EXPECT_EQ(group(3).noOfPlayers, 7);
}

TEST_F(CreateGroupsScreen, OpeningStoresTheShownTextsBack) {
    group(1).groupName = std::string(60, 'g');
    open();
    EXPECT_EQ(group(1).groupName, std::string(49, 'g'));
}

TEST_F(CreateGroupsScreen, WithoutACourseTheTeeListsAreEmpty) {
    tournament().pitch = CPitch{};
    open();
    EXPECT_EQ(list("teeList", 1)->count(), 0);
    EXPECT_TRUE(list("teeList", 1)->currentText().isEmpty());
}

TEST_F(CreateGroupsScreen, IndexesOutsideTheirTablesShowAsEmptyText) {
    group(1).groupClass = 7;
    group(1).playForm = -1;
    group(1).allowance = 8;
    group(1).tee = 9;
    open();
    for (const char* column : ListColumns) EXPECT_TRUE(list(column, 1)->currentText().isEmpty()) << column;
    EXPECT_EQ(group(1).groupClass, 7);
}

TEST_F(CreateGroupsScreen, ChangesSurviveEscape) {
    open();
    QTest::keyClicks(edit("nameEdit", 1), QStringLiteral("Morgen"));
    QTest::keyClick(edit("nameEdit", 1), Qt::Key_Escape);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(group(1).groupName, "Morgen");
    EXPECT_TRUE(childNamed<QPushButton>(screen.get(), QStringLiteral("closeButton"))->isDefault());
}

TEST_F(CreateGroupsScreen, AFormatPickedForPairsMarksTheRowsOfTheGroupOnRegistration) {
    tournament().type = "Par";
    group(1).tee = 1;  // slope 113, rating equal to par: the course handicap is the index
    group(1).noOfPlayers = 5;
    const float indexes[] = {10.0f, 20.0f, 5.0f, 21.0f, 8.0f};
    for (int p = 0; p < 5; ++p) {
        group(1).players[p].firstName = "Spiller" + std::to_string(p + 1);
        group(1).players[p].hcp = indexes[p];
    }
    open();
    EXPECT_FALSE(childNamed<QLineEdit>(screen.get(), QStringLiteral("hcpLimitsEdit"))->isEnabled());
    ASSERT_EQ(list("formatList", 1)->count(), 4);
    pickEntry(list("formatList", 1), 1);
    EXPECT_EQ(group(1).format, 1);
    screen.reset();

    // Greensome: 0.6 x 10 + 0.4 x 20 = 14 and 0.6 x 5 + 0.4 x 21 = 11.4, on the pairs' first rows.
    const CRegisterGroupDlg registration(0);
    QStringList sides;
    QStringList handicaps;
    for (int row = 1; row <= 5; ++row) {
        sides << childNamed<QLineEdit>(&registration, QStringLiteral("sideEdit%1").arg(row))->text();
        handicaps << childNamed<QLineEdit>(&registration, QStringLiteral("playingHandicapEdit%1").arg(row))->text();
    }
    EXPECT_EQ(sides, (QStringList{"1", "1", "2", "2", ""}));
    EXPECT_EQ(handicaps, (QStringList{"14", "", "11", "", ""}));
}

TEST_F(CreateGroupsScreen, IndexLimitsAreRefusedUnlessAscendingAndBestGrossIsStored) {
    tournament().type = "Singel";
    open();
    EXPECT_FALSE(list("formatList", 1)->isEnabled());
    QLineEdit* limits = childNamed<QLineEdit>(screen.get(), QStringLiteral("hcpLimitsEdit"));
    QTest::keyClicks(limits, QStringLiteral("24 12"));
    emit limits->editingFinished();
    EXPECT_EQ(MessageBox::recorded(),
              QStringList{QStringLiteral("Handicapgrensene må være stigende tall mellom 0 og 54.")});
    EXPECT_TRUE(limits->text().isEmpty());
    QTest::keyClicks(limits, QStringLiteral("12,0 24"));
    emit limits->editingFinished();
    EXPECT_EQ(tournament().hcpLimits, (std::vector<int>{120, 240}));
    EXPECT_EQ(limits->text(), QStringLiteral("12,0 24,0"));
    childNamed<QCheckBox>(screen.get(), QStringLiteral("grossPrizeBox"))->click();
    EXPECT_TRUE(tournament().grossPrize);
}
