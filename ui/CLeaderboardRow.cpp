#include "ui/CLeaderboardRow.h"

#include <QGridLayout>
#include <QLineEdit>

#include "scoring/Handicap.h"
#include "scoring/HoleScore.h"
#include "text/Text.h"
#include "ui/CColorEdit.h"
#include "ui/ColorSupport.h"
#include "ui/TextCodec.h"

namespace {

// Small fixed widths keep the 18 holes in straight columns that read at a glance and let
// the play screen fit a 1366x768 display.
constexpr int HoleCellWidth = 30;
constexpr int FigureWidth = 48;
constexpr int ClassWidth = 60;
constexpr int PlayerWidth = 170;

// A leaderboard field is frameless and filled from the palette in one block, so the board
// reads as a table and a changed field repaints itself alone, not what lies beneath it.
void makeBoardField(QLineEdit* field, const QString& objectName, int width, Qt::Alignment alignment) {
    field->setObjectName(objectName);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setStyle(paletteHonouringStyle());
    field->setFrame(false);
    field->setAttribute(Qt::WA_OpaquePaintEvent);
    field->setFixedWidth(width);
    field->setAlignment(alignment);
}

QLineEdit* boardField(QWidget* parent, const QString& objectName, int width, Qt::Alignment alignment) {
    auto* field = new QLineEdit(parent);
    makeBoardField(field, objectName, width, alignment);
    return field;
}

// The leaderboard is redrawn at every keystroke; unchanged texts and colours are left
// alone, since each change costs a repaint.
void setFieldText(QLineEdit* field, const QString& value) {
    if (field->text() != value) field->setText(value);
}

void setCellColour(CColorEdit* cell, Rgb colour) {
    const QColor wanted = toQColor(colour);
    if (cell->backgroundColor() != wanted) cell->setBackgroundColor(wanted);
}

QString number(long long value) { return QString::fromStdString(text::formatInt(value)); }

}  // namespace

CLeaderboardRow::CLeaderboardRow(QWidget* parent, QGridLayout* grid, int gridRow, int firstColumn, int row) {
    const QString n = QString::number(row);
    player = boardField(parent, QStringLiteral("boardPlayer") + n, PlayerWidth, Qt::AlignLeft);
    groupClass = boardField(parent, QStringLiteral("boardClass") + n, ClassWidth, Qt::AlignCenter);
    hcp = boardField(parent, QStringLiteral("boardHcp") + n, FigureWidth, Qt::AlignCenter);
    received = boardField(parent, QStringLiteral("boardReceived") + n, FigureWidth, Qt::AlignCenter);
    total = boardField(parent, QStringLiteral("boardTotal") + n, FigureWidth, Qt::AlignCenter);
    points = boardField(parent, QStringLiteral("boardPoints") + n, FigureWidth, Qt::AlignCenter);
    int column = firstColumn;
    grid->addWidget(player, gridRow, column++);
    for (QLineEdit* figure : {groupClass, hcp, received, total, points}) {
        grid->addWidget(figure, gridRow, column++, Qt::AlignHCenter);
    }
    for (int i = 0; i < MaxHoles; ++i) {
        cells[i] = new CColorEdit(parent);
        makeBoardField(cells[i], QStringLiteral("boardCell%1_%2").arg(row).arg(i), HoleCellWidth, Qt::AlignCenter);
        grid->addWidget(cells[i], gridRow, column++);
    }
}

void CLeaderboardRow::showPlayer(const CPlayer& shown, std::string_view className, const CPitch& pitch) {
    setFieldText(player, toQString(shown.text()));
    setFieldText(groupClass, toQString(className));
    setFieldText(hcp, QString::fromStdString(text::formatFixed1(shown.hcp)));
    setFieldText(received, QString::fromStdString(formatPlayingHandicap(shown.sh)));
    setFieldText(total, number(shown.totalStrokes()));
    setFieldText(points, number(playerPoints(shown)));
    for (int i = 0; i < MaxHoles; ++i) {
        setFieldText(cells[i], number(shown.results[i]));
        setCellColour(cells[i], holeScoreColour(shown.results[i], pitch.par[i]));
    }
}

void CLeaderboardRow::showEmpty() {
    for (QLineEdit* field : {player, groupClass, hcp, received, total, points}) setFieldText(field, QString());
    for (CColorEdit* cell : cells) {
        setFieldText(cell, QString());
        setCellColour(cell, EmptyCellColour);
    }
}
