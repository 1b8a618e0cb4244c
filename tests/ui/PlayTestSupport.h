#pragma once
// Shared by the play screen tests: a tournament on the test course table with groups and
// players set straight into the records.

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <initializer_list>
#include <string>

#include "UiTestSupport.h"
#include "model/CTournament.h"

class PlayTest : public UiTest {
protected:
    // A tournament "Klubbmesterskap" of 14 March 2026 on "Testbanen" (par 70) with `groups` in use.
    void setUpTournament(int groups, const std::string& course = "Testbanen") {
        CTournament& t = tournament();
        t.name = "Klubbmesterskap";
        t.type = "Singel";
        t.day = 14;
        t.month = 3;
        t.year = 2026;
        t.selectPitch(course);
        t.numberOfGroups = groups;
    }

    CPlayGroup& setUpGroup(int g, int groupClass, const std::string& name, int playForm, int allowance, int tee) {
        CPlayGroup& group = tournament().groups[g];
        group.groupClass = groupClass;
        group.groupName = name;
        group.playForm = playForm;
        group.setAllowance(allowance);
        group.tee = tee;
        return group;
    }

    // Appends a player with the given strokes on holes 1, 2, ... (the rest 0).
    CPlayer& addPlayer(int g, const std::string& firstName, const std::string& surName, float hcp, float sh,
                       std::initializer_list<int> strokes = {}) {
        CPlayGroup& group = tournament().groups[g];
        CPlayer& player = group.players[group.noOfPlayers++];
        player.firstName = firstName;
        player.surName = surName;
        player.hcp = hcp;
        player.sh = sh;
        player.results.fill(0);
        int hole = 0;
        for (int s : strokes) player.results[hole++] = s;
        return player;
    }
};

// The text of the PDF file at `path` with runs of blanks made one, so a check does not depend
// on column widths.
inline QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0) return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(process.readAllStandardOutput())
        .replace(QRegularExpression(QStringLiteral(" +")), QStringLiteral(" "));
}

inline QString textOf(const QWidget* parent, const QString& name) {
    const auto* field = childNamed<QLineEdit>(parent, name);
    return field ? field->text() : QStringLiteral("<missing>");
}
