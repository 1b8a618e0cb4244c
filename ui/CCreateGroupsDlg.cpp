#include "ui/CCreateGroupsDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CTournamentApp.h"
#include "model/HcpLimits.h"
#include "print/TextCodec.h"
#include "text/Text.h"
#include "ui/Artwork.h"
#include "ui/CChoiceList.h"
#include "ui/Controls.h"
#include "ui/FieldText.h"
#include "ui/MessageBox.h"

namespace {

// "Antall spillere" is read from the field's first nine characters.
constexpr std::size_t PlayerCountLength = 9;
const QString PlayerCountLimitMessage = QStringLiteral("Maks 9 spillere i en gruppe.");

// The tees of the selected course; none when no course of the table is chosen.
QStringList teeEntries(const CTournament& tournament) {
    QStringList entries;
    for (int tee = 0; tee < MaxTees && tournament.selectedCourseHasTee(tee); ++tee) {
        entries << toQString(tournament.selectedTeeName(tee));
    }
    return entries;
}

CChoiceList* makeList(const QString& objectName, int contentsLength, QWidget* parent) {
    auto* list = new CChoiceList(parent);
    list->setObjectName(objectName);
    list->setMinimumContentsLength(contentsLength);
    return list;
}

}  // namespace

CCreateGroupsDlg::CCreateGroupsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Opprett grupper"));
    setWindowIcon(teebrookIcon());
    buildForm();
    for (int row = 0; row < MaxGroups; ++row) connectRow(row);
    fillLists();
    showGroups();
    // Sized before the window exists, so showing it changes no size hints.
    layout()->activate();
}

void CCreateGroupsDlg::buildForm() {
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    const QStringList headings{
        QStringLiteral("#"),          QStringLiteral("Gruppe"), QStringLiteral("Navn på gruppe"),
        QStringLiteral("Spilleform"), QStringLiteral("HCP"),    QStringLiteral("Antall spillere"),
        QStringLiteral("Tee"),        QStringLiteral("Format")};
    for (int column = 0; column < headings.size(); ++column) {
        grid->addWidget(boldLabel(headings[column], frame), 0, column);
    }
    for (int row = 0; row < MaxGroups; ++row) buildRow(row, grid, frame);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buildPrizeSettings());
    closeButton = addCloseButton(this, layout);
}

void CCreateGroupsDlg::buildRow(int row, QGridLayout* grid, QWidget* frame) {
    classLists[row] = makeList(numbered("classList", row + 1), 8, frame);
    nameEdits[row] = makeEdit(numbered("nameEdit", row + 1), frame, {.minimumLetters = 24});
    acceptOnlyStorableText(nameEdits[row]);
    playFormLists[row] = makeList(numbered("playFormList", row + 1), 10, frame);
    allowanceLists[row] = makeList(numbered("allowanceList", row + 1), 4, frame);
    playerCountEdits[row] = makeEdit(numbered("playerCountEdit", row + 1), frame);
    acceptWholeNumber(playerCountEdits[row], MaxPlayers, PlayerCountLimitMessage);
    playerCountEdits[row]->setMaximumWidth(playerCountEdits[row]->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                                           10);
    teeLists[row] = makeList(numbered("teeList", row + 1), 10, frame);
    formatLists[row] = makeList(numbered("formatList", row + 1), 12, frame);

    const int line = row + 1;
    grid->addWidget(new QLabel(QString::number(row + 1), frame), line, 0);
    grid->addWidget(classLists[row], line, 1);
    grid->addWidget(nameEdits[row], line, 2);
    grid->addWidget(playFormLists[row], line, 3);
    grid->addWidget(allowanceLists[row], line, 4);
    grid->addWidget(playerCountEdits[row], line, 5);
    grid->addWidget(teeLists[row], line, 6);
    grid->addWidget(formatLists[row], line, 7);
}

// Classes and best gross are prizes of individual tournaments; pairs and teams ignore them.
QWidget* CCreateGroupsDlg::buildPrizeSettings() {
    auto* frame = new QGroupBox(QStringLiteral("Premier"), this);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(new QLabel(QStringLiteral("Handicapgrenser"), frame));
    hcpLimitsEdit = makeEdit(QStringLiteral("hcpLimitsEdit"), frame, {.minimumLetters = 10});
    hcpLimitsEdit->setToolTip(QStringLiteral("En eller to indeksgrenser, for eksempel 12,0 24,0"));
    row->addWidget(hcpLimitsEdit);
    grossPrizeBox = new QCheckBox(QStringLiteral("Bruttopremie"), frame);
    grossPrizeBox->setObjectName(QStringLiteral("grossPrizeBox"));
    row->addSpacing(16);
    row->addWidget(grossPrizeBox);
    row->addStretch(1);
    connect(hcpLimitsEdit, &QLineEdit::editingFinished, this, &CCreateGroupsDlg::onHcpLimitsEdited);
    connect(grossPrizeBox, &QCheckBox::toggled, this, [](bool on) { theSession().setGrossPrize(on); });
    return frame;
}

void CCreateGroupsDlg::connectRow(int row) {
    connect(classLists[row], &CChoiceList::picked, this, [row](int index) { theSession().setGroupClass(row, index); });
    connect(nameEdits[row], &QLineEdit::textChanged, this, [this, row] { onNameChanged(row); });
    connect(playFormLists[row], &CChoiceList::picked, this, [row](int index) { theSession().setPlayForm(row, index); });
    connect(allowanceLists[row], &CChoiceList::picked, this,
            [row](int index) { theSession().setAllowance(row, index); });
    connect(playerCountEdits[row], &QLineEdit::textChanged, this, [this, row] { onPlayerCountChanged(row); });
    connect(teeLists[row], &CChoiceList::picked, this, [row](int index) { theSession().setTee(row, index); });
    connect(formatLists[row], &CChoiceList::picked, this, [row](int index) { theSession().setFormat(row, index); });
}

void CCreateGroupsDlg::fillLists() {
    const QStringList tees = teeEntries(theTournament());
    QStringList formats;
    for (const std::string_view name : formatNamesOfType(theTournament().type)) formats << toQString(name);
    for (int row = 0; row < MaxGroups; ++row) {
        formatLists[row]->setEntries(formats);
        classLists[row]->setEntries(toQStrings(ClassNames));
        playFormLists[row]->setEntries(toQStrings(PlayFormNames));
        allowanceLists[row]->setEntries(toQStrings(AllowanceNames));
        teeLists[row]->setEntries(tees);
    }
}

void CCreateGroupsDlg::showGroups() {
    const int groupsInUse = theTournament().groupsInUse();
    for (int row = 0; row < MaxGroups; ++row) {
        if (row < groupsInUse) {
            showGroup(row);
        } else {
            disableRow(row);
        }
    }
    showPrizeSettings();
}

void CCreateGroupsDlg::showPrizeSettings() {
    const CTournament& tournament = theTournament();
    const bool individual = formatNamesOfType(tournament.type).empty();
    hcpLimitsEdit->setText(toQString(hcpLimitsText(tournament.hcpLimits)).replace(QLatin1Char('.'), QLatin1Char(',')));
    grossPrizeBox->setChecked(tournament.grossPrize);
    hcpLimitsEdit->setEnabled(individual);
    grossPrizeBox->setEnabled(individual);
}

// Only the text parts of the lists are set; no entry is chosen. The two text fields run their
// change handlers, which store the same values back.
void CCreateGroupsDlg::showGroup(int row) {
    const CTournament& tournament = theTournament();
    const CPlayGroup& group = tournament.groups[row];
    classLists[row]->showText(toQString(className(group.groupClass)));
    playFormLists[row]->showText(toQString(playFormName(group.playForm)));
    allowanceLists[row]->showText(toQString(allowanceName(group.allowance)));
    setTextAndNotify(playerCountEdits[row], QString::fromStdString(text::formatInt(group.noOfPlayers)));
    setTextAndNotify(nameEdits[row], toQString(group.groupName));
    // A tee the selected course lacks shows empty.
    teeLists[row]->showText(toQString(tournament.selectedTeeName(group.tee)));
    formatLists[row]->showText(toQString(formatNameOf(tournament.type, group.format)));
    formatLists[row]->setEnabled(!formatNamesOfType(tournament.type).empty());
}

void CCreateGroupsDlg::disableRow(int row) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{classLists[row], nameEdits[row], playFormLists[row], allowanceLists[row],
                                         playerCountEdits[row], teeLists[row], formatLists[row]}) {
        control->setEnabled(false);
    }
}

void CCreateGroupsDlg::onNameChanged(int row) { theSession().setGroupName(row, fieldText(nameEdits[row])); }

void CCreateGroupsDlg::done(int result) {
    if (hcpLimitsEdit->isModified()) onHcpLimitsEdited();
    QDialog::done(result);
}

// Limits that cannot be read are refused and the stored ones shown again.
void CCreateGroupsDlg::onHcpLimitsEdited() {
    const std::optional<std::vector<int>> limits = readHcpLimits(fieldText(hcpLimitsEdit));
    if (limits) {
        theSession().setHcpLimits(*limits);
    } else {
        MessageBox::warning(this, toQString(hcpLimitsMessage()));
    }
    showPrizeSettings();
    hcpLimitsEdit->setModified(false);
}

void CCreateGroupsDlg::onPlayerCountChanged(int row) {
    const std::string count = text::cut(fromQString(playerCountEdits[row]->text()), PlayerCountLength);
    theSession().setNoOfPlayers(row, text::readInt(count));
}
