#include "ui/CLeaderboardRow.h"

#include <QGridLayout>
#include <QLineEdit>

#include "print/TextCodec.h"
#include "scoring/HoleScore.h"
#include "scoring/LiveScoring.h"
#include "ui/CColorEdit.h"
#include "ui/ColorSupport.h"
#include "ui/FieldText.h"

namespace {

// A leaderboard field is frameless and filled from the palette in one block, so the board
// reads as a table and a changed field repaints itself alone, not what lies beneath it.
void makeBoardField(QLineEdit* field, const QString& objectName, int width, Qt::Alignment alignment) {
    field->setObjectName(objectName);
    field->setFocusPolicy(Qt::NoFocus);
    field->setStyle(paletteHonouringStyle());
    field->setFrame(false);
    field->setAttribute(Qt::WA_OpaquePaintEvent);
    field->setFixedWidth(width);
    field->setAlignment(alignment);
}

const QString ConflictTip = QStringLiteral("Markør og spiller har registrert ulike slag: skriv hullet for å avgjøre");

// The leaderboard is redrawn at every keystroke; unchanged colours are left alone.
void showCellColours(CColorEdit* cell, Rgb background) {
    cell->setColors(toQColor(background), toQColor(textColourOn(background)));
}

}  // namespace

CLeaderboardRow::CLeaderboardRow(QWidget* parent, QGridLayout* grid, int gridRow, int firstColumn, int row) {
    int column = firstColumn;
    for (std::size_t c = 0; c < LeaderboardColumns.size(); ++c) {
        const LeaderboardColumn& description = LeaderboardColumns[c];
        fields[c] = new QLineEdit(parent);
        makeBoardField(fields[c], QStringLiteral("board%1%2").arg(QLatin1String(description.name)).arg(row),
                       description.width, description.alignment);
        makeReadOnly(fields[c]);
        grid->addWidget(fields[c], gridRow, column++, description.alignment & Qt::AlignHorizontal_Mask);
    }
    for (int i = 0; i < MaxHoles; ++i) {
        cells[i] = new CColorEdit(parent);
        cells[i]->setReadOnly(true);
        makeBoardField(cells[i], QStringLiteral("boardCell%1_%2").arg(row).arg(i), HoleCellWidth, Qt::AlignCenter);
        grid->addWidget(cells[i], gridRow, column++);
    }
}

void CLeaderboardRow::showPlayer(const CPlayer& shown, std::string_view className, const CPitch& pitch) {
    for (std::size_t c = 0; c < LeaderboardColumns.size(); ++c) {
        showText(fields[c], LeaderboardColumns[c].text(shown, className));
    }
    for (int i = 0; i < MaxHoles; ++i) {
        showText(cells[i], numberText(shown.results[i]));
        // A hole the phones disagree on stands out until the organiser types it.
        const bool conflict = isConflict(shown, i);
        showCellColours(cells[i], conflict ? ConflictCellColour : holeScoreColour(shown.results[i], pitch.par[i]));
        cells[i]->setToolTip(conflict ? ConflictTip : QString());
    }
}

void CLeaderboardRow::showEmpty() {
    for (QLineEdit* field : fields) showText(field, QString());
    for (CColorEdit* cell : cells) {
        showText(cell, QString());
        showCellColours(cell, EmptyCellColour);
        cell->setToolTip(QString());
    }
}
