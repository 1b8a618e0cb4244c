// "Registrer alle gruppene": one button a group, captions of planned groups, disabled
// positions beyond the number of groups.

#include <QPushButton>
#include <QTest>
#include <memory>

#include "UiTestSupport.h"
#include "ui/CRegisterAllGroupsDlg.h"
#include "ui/CRegisterGroupDlg.h"

namespace {

class RegisterAllGroupsScreen : public UiTest {
protected:
    void open() {
        screen = std::make_unique<CRegisterAllGroupsDlg>();
        screen->show();
    }
    QPushButton* groupButton(char letter) {
        return childNamed<QPushButton>(screen.get(), QStringLiteral("groupButton") + QChar(letter));
    }

    void planGroup(int position, int groupClass, int players, const std::string& name) {
        CPlayGroup& group = tournament().groups[position];
        group.groupClass = groupClass;
        group.noOfPlayers = players;
        group.groupName = name;
    }

    std::unique_ptr<CRegisterAllGroupsDlg> screen;
};

}  // namespace

TEST_F(RegisterAllGroupsScreen, GroupsInUseAreEnabledAndPlannedGroupsShowClassAndName) {
    tournament().numberOfGroups = 3;
    planGroup(0, 0, 4, "Formiddag");
    planGroup(2, 1, 2, "Lag & venner");
    planGroup(4, 0, 3, "Ikke i bruk");
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Registrer alle gruppene"));
    EXPECT_EQ(groupButton('A')->text(), QStringLiteral("Dame: Formiddag"));
    EXPECT_EQ(groupButton('B')->text(), QStringLiteral("Registrer gruppe B"));
    // A "&" in a group name is shown, not taken as a shortcut mark.
    EXPECT_EQ(groupButton('C')->text(), QStringLiteral("Herre: Lag && venner"));
    EXPECT_EQ(groupButton('E')->text(), QStringLiteral("Registrer gruppe E"));
    for (char letter = 'A'; letter <= 'I'; ++letter) {
        EXPECT_EQ(groupButton(letter)->isEnabled(), letter <= 'C') << letter;
    }
}

TEST_F(RegisterAllGroupsScreen, NineOrMoreGroupsEnableAllNineButtons) {
    tournament().numberOfGroups = 40;
    open();
    for (char letter = 'A'; letter <= 'I'; ++letter) EXPECT_TRUE(groupButton(letter)->isEnabled()) << letter;
}

TEST_F(RegisterAllGroupsScreen, LongCaptionsAreCutAndClassesOutsideTheTableShowEmpty) {
    tournament().numberOfGroups = 2;
    planGroup(0, 2, 1, std::string(49, 'x'));
    planGroup(1, 11, 1, "Rart");
    open();
    EXPECT_EQ(groupButton('A')->text(), QStringLiteral("Junior: ") + QString(43, QLatin1Char('x')));
    EXPECT_EQ(groupButton('B')->text(), QStringLiteral(": Rart"));
}

TEST_F(RegisterAllGroupsScreen, AButtonOpensTheRegisterScreenOfItsGroupAndCaptionsStay) {
    tournament().numberOfGroups = 2;
    tournament().groups[1].noOfPlayers = 1;
    tournament().groups[1].groupName = "Kveld";
    open();
    int position = -1;
    answerModal(
        QStringLiteral("Registrer gruppe"), [this] { QTest::mouseClick(groupButton('B'), Qt::LeftButton); },
        [&](QWidget* modal) {
            auto* registerScreen = qobject_cast<CRegisterGroupDlg*>(modal);
            ASSERT_NE(registerScreen, nullptr);
            position = registerScreen->groupPosition();
            tournament().groups[1].groupName = "Endret";
            modal->close();
        });
    EXPECT_EQ(position, 1);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(groupButton('B')->text(), QStringLiteral("Dame: Kveld"));
}

TEST_F(RegisterAllGroupsScreen, LukkIsTheDefaultButtonAndCloses) {
    tournament().numberOfGroups = 1;
    open();
    auto* close = childNamed<QPushButton>(screen.get(), QStringLiteral("closeButton"));
    EXPECT_TRUE(close->isDefault());
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(screen->isVisible());
}
