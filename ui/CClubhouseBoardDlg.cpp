#include "ui/CClubhouseBoardDlg.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "app/CTournamentApp.h"
#include "print/Pages.h"
#include "print/TextCodec.h"
#include "scoring/Prize.h"
#include "scoring/ScoreCard.h"
#include "scoring/SidePrize.h"
#include "ui/Artwork.h"

// One row of the board: a competition heading (title and the figure captions) or a player.
struct BoardRowWidgets {
    QWidget* frame = nullptr;
    QLabel* title = nullptr;
    QLabel* place = nullptr;
    QLabel* name = nullptr;
    QLabel* club = nullptr;
    QLabel* holes = nullptr;
    QLabel* gross = nullptr;
    QLabel* score = nullptr;
    QLabel* status = nullptr;
};

namespace {

const QColor Background(0x0B, 0x0F, 0x14);
const QColor ShadedRow(0x1A, 0x22, 0x2C);
const QColor HeadingRow(0x1F, 0x5C, 0x3A);
const QColor PlaceColour(0xFF, 0xD5, 0x4F);
const QColor StatusColour(0xC8, 0xC8, 0xC8);

// Lines a full-height board shows, headings included: large enough to read across a room.
constexpr int LinesPerScreen = 17;
constexpr int MinimumLineHeight = 24;
// A board in a window, on the one screen the play screen is on: rows of 1/30 of the screen's
// height, large enough to read from across the room and a board of 15 lines on half the screen.
constexpr int WindowedLinesPerScreen = 30;
// Wide enough for a name and a club at the row's height.
constexpr int WindowedWidthInLines = 30;
// Room for the window's frame and title bar, which the available area does not count.
constexpr int WindowFrameAllowance = 40;
// Shares of the row's width: place, name, club, holes, gross, net or points.
constexpr std::array<int, 6> ColumnShares{6, 38, 23, 10, 11, 12};

QString competitionTitle(const PrizeCompetition& competition) {
    QStringList parts;
    if (!competition.className.empty()) parts << toQString(competition.className);
    if (!competition.playFormName.empty()) parts << toQString(competition.playFormName);
    return parts.join(QStringLiteral(" – "));
}

CClubhouseBoardDlg::Line headingLine(const PrizeCompetition& competition) {
    CClubhouseBoardDlg::Line line;
    line.heading = true;
    line.name = competitionTitle(competition);
    line.holes = QStringLiteral("Hull");
    line.gross = QStringLiteral("Brutto");
    line.score = competition.stableford ? QStringLiteral("Poeng") : QStringLiteral("Netto");
    return line;
}

CClubhouseBoardDlg::Line playerLine(const PrizeEntry& entry, bool stableford) {
    CClubhouseBoardDlg::Line line;
    line.place = entry.place > 0 ? numberText(entry.place) : QString();
    line.name = toQString(playerText(entry.firstName, entry.surName));
    line.club = toQString(entry.club);
    // Without a start or a playing handicap there is nothing to rank by: the reason shows.
    if (entry.status == PrizeStatus::NotStarted || entry.status == PrizeStatus::NoTee) {
        line.status = toQString(prizeStatusText(entry.status));
        return line;
    }
    line.holes = numberText(entry.holesPlayed);
    line.gross = numberText(entry.gross);
    // A round still under way has no net score yet; its holes and strokes so far show.
    if (entry.status == PrizeStatus::NotCompleted) line.score = QStringLiteral("–");
    else line.score = numberText(stableford ? entry.points : entry.net);
    return line;
}

CClubhouseBoardDlg::Line sideHeadingLine(const SideCompetition& competition) {
    CClubhouseBoardDlg::Line line;
    line.heading = true;
    QStringList parts;
    for (const std::string_view part : {competition.className, competition.playFormName, competition.formatName}) {
        if (!part.empty()) parts << toQString(part);
    }
    line.name = parts.join(QStringLiteral(" – "));
    line.holes = QStringLiteral("Hull");
    line.gross = QStringLiteral("Brutto");
    line.score = competition.stableford ? QStringLiteral("Poeng") : QStringLiteral("Netto");
    return line;
}

// A pair or team as a player is shown; own ball has no gross of the side.
CClubhouseBoardDlg::Line sideLine(const SideEntry& entry, const SideCompetition& competition) {
    CClubhouseBoardDlg::Line line;
    line.place = entry.place > 0 ? numberText(entry.place) : QString();
    line.name = toQString(entry.playersText());
    if (entry.status != PrizeStatus::Ranked && entry.status != PrizeStatus::NotCompleted) {
        line.status = toQString(prizeStatusText(entry.status));
        return line;
    }
    line.holes = numberText(entry.holesScored);
    if (competition.oneBall) line.gross = numberText(entry.gross);
    if (entry.status == PrizeStatus::NotCompleted) line.score = QStringLiteral("–");
    else line.score = numberText(entry.total);
    return line;
}

std::vector<CClubhouseBoardDlg::Line> boardLines(const CTournamentInfo& tournament) {
    std::vector<CClubhouseBoardDlg::Line> lines;
    if (playsSides(tournament)) {
        for (const SideCompetition& competition : buildSidePrizeList(tournament)) {
            lines.push_back(sideHeadingLine(competition));
            for (const SideEntry& entry : competition.entries) lines.push_back(sideLine(entry, competition));
        }
        return lines;
    }
    for (const PrizeCompetition& competition : buildPrizeList(tournament)) {
        lines.push_back(headingLine(competition));
        for (const PrizeEntry& entry : competition.entries) lines.push_back(playerLine(entry, competition.stableford));
    }
    return lines;
}

QLabel* boardLabel(QWidget* parent, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    if (palette.color(role) == colour) return;
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setElidedText(QLabel* label, const QString& value) {
    const QString shown = label->fontMetrics().elidedText(value, Qt::ElideRight, label->width());
    if (label->text() != shown) label->setText(shown);
}

BoardRowWidgets* makeRow(QWidget* parent) {
    auto* row = new BoardRowWidgets;
    row->frame = new QWidget(parent);
    row->frame->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(row->frame);
    // The rows follow the window's size, never the other way round, so it can be made smaller.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    row->frame->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->setSpacing(0);
    row->title = boardLabel(row->frame, Qt::AlignLeft);
    row->place = boardLabel(row->frame, Qt::AlignRight);
    row->name = boardLabel(row->frame, Qt::AlignLeft);
    row->club = boardLabel(row->frame, Qt::AlignLeft);
    row->status = boardLabel(row->frame, Qt::AlignRight);
    row->holes = boardLabel(row->frame, Qt::AlignRight);
    row->gross = boardLabel(row->frame, Qt::AlignRight);
    row->score = boardLabel(row->frame, Qt::AlignRight);
    setColour(row->place, QPalette::WindowText, PlaceColour);
    setColour(row->status, QPalette::WindowText, StatusColour);
    for (QLabel* label :
         {row->title, row->place, row->name, row->club, row->status, row->holes, row->gross, row->score})
        layout->addWidget(label);
    layout->addStretch(1);
    return row;
}

}  // namespace

CClubhouseBoardDlg::CClubhouseBoardDlg(QWidget* parent) : QDialog(parent) {
    // A window of its own beside the play screen, not a dialog on top of it.
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Resultattavle"));
    setWindowIcon(teebrookIcon());
    setObjectName(QStringLiteral("clubhouseBoard"));
    buildForm();
    resize(960, 600);
    listenToSession();
    refresh();
}

// Every change of stored data may move a row: a stroke, a name, a group's setting, the header.
void CClubhouseBoardDlg::listenToSession() {
    const TournamentSession* session = &theSession();
    connect(session, &TournamentSession::strokesChanged, this, &CClubhouseBoardDlg::scheduleRefresh);
    connect(session, &TournamentSession::playerChanged, this, &CClubhouseBoardDlg::scheduleRefresh);
    connect(session, &TournamentSession::groupChanged, this, &CClubhouseBoardDlg::scheduleRefresh);
    connect(session, &TournamentSession::headerChanged, this, &CClubhouseBoardDlg::scheduleRefresh);
    connect(session, &TournamentSession::tournamentReplaced, this, &CClubhouseBoardDlg::scheduleRefresh);
}

CClubhouseBoardDlg::~CClubhouseBoardDlg() {
    for (BoardRowWidgets* row : rows) delete row;
}

void CClubhouseBoardDlg::buildForm() {
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, Background);
    setColour(this, QPalette::WindowText, Qt::white);
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    outer->setSpacing(0);
    auto* header = new QHBoxLayout;
    auto* titles = new QVBoxLayout;
    titleLabel = boardLabel(this, Qt::AlignLeft);
    titleLabel->setObjectName(QStringLiteral("boardTitle"));
    subtitleLabel = boardLabel(this, Qt::AlignLeft);
    subtitleLabel->setObjectName(QStringLiteral("boardSubtitle"));
    setColour(subtitleLabel, QPalette::WindowText, StatusColour);
    titles->addWidget(titleLabel);
    titles->addWidget(subtitleLabel);
    header->addLayout(titles, 1);
    pageLabel = boardLabel(this, Qt::AlignRight);
    pageLabel->setObjectName(QStringLiteral("boardPage"));
    setColour(pageLabel, QPalette::WindowText, PlaceColour);
    header->addWidget(pageLabel);
    outer->addLayout(header);
    outer->addSpacing(8);
    rowsLayout = new QVBoxLayout;
    rowsLayout->setSpacing(0);
    outer->addLayout(rowsLayout);
    outer->addStretch(1);

    pager = new QTimer(this);
    pager->setInterval(PageIntervalMs);
    connect(pager, &QTimer::timeout, this, &CClubhouseBoardDlg::showNextPage);
    refresher = new QTimer(this);
    refresher->setSingleShot(true);
    refresher->setInterval(RefreshDelayMs);
    connect(refresher, &QTimer::timeout, this, &CClubhouseBoardDlg::refresh);
}

void CClubhouseBoardDlg::showOnBestScreen() {
    QScreen* home = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    QScreen* other = nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != home) {
            other = screen;
            break;
        }
    }
    if (other) {
        winId();
        windowHandle()->setScreen(other);
        setGeometry(other->geometry());
        showFullScreen();
        return;
    }
    if (home) fitInto(home->availableGeometry(), home->geometry().height());
    // In front of the play screen, which keeps the keyboard: the window manager keeps a
    // window above the one it belongs to.
    winId();
    if (parentWidget() && parentWidget()->window()->windowHandle())
        windowHandle()->setTransientParent(parentWidget()->window()->windowHandle());
    show();
    raise();
}

void CClubhouseBoardDlg::fitInto(const QRect& available, int screenLines) {
    windowedLineHeight = std::max(MinimumLineHeight, screenLines / WindowedLinesPerScreen);
    lineHeight = windowedLineHeight;
    applySizes();
    const int header = titleLabel->sizeHint().height() + subtitleLabel->sizeHint().height() + 8;
    const QMargins margins = layout()->contentsMargins();
    const int wanted = margins.top() + margins.bottom() + header + static_cast<int>(lines.size()) * lineHeight;
    const int width = std::min(available.width(), windowedLineHeight * WindowedWidthInLines);
    resize(width, std::min(wanted, available.height() - WindowFrameAllowance));
    move(available.center() - rect().center());
}

void CClubhouseBoardDlg::scheduleRefresh() {
    // Not restarted while pending, so steady typing still shows within the delay.
    if (!refresher->isActive()) refresher->start();
}

void CClubhouseBoardDlg::refresh() {
    refresher->stop();
    const CTournament& tournament = theTournament();
    titleLabel->setText(toQString(tournament.name));
    QStringList about;
    const std::string date = scoreCardDate(tournament);
    if (!date.empty()) about << toQString(date);
    if (!tournament.pitch.name.empty()) about << toQString(tournament.pitch.name);
    subtitleLabel->setText(about.join(QStringLiteral("   ")));
    lines = boardLines(tournament);
    applySizes();
}

int CClubhouseBoardDlg::rowsPerPage() const {
    const int header = titleLabel->sizeHint().height() + subtitleLabel->sizeHint().height() + 8;
    const QMargins margins = layout()->contentsMargins();
    const int free = height() - header - margins.top() - margins.bottom();
    return std::max(2, free / lineHeight);
}

void CClubhouseBoardDlg::applySizes() {
    lineHeight = windowedLineHeight > 0 ? windowedLineHeight : std::max(MinimumLineHeight, height() / LinesPerScreen);
    QFont font(TypefaceFamily);
    font.setPixelSize(lineHeight * 58 / 100);
    setFont(font);
    QFont title = font;
    title.setBold(true);
    title.setPixelSize(lineHeight * 85 / 100);
    titleLabel->setFont(title);
    QFont small = font;
    small.setPixelSize(lineHeight * 45 / 100);
    subtitleLabel->setFont(small);
    QFont pageFont = small;
    pageFont.setBold(true);
    pageFont.setPixelSize(lineHeight * 55 / 100);
    pageLabel->setFont(pageFont);

    const int wanted = rowsPerPage();
    while (static_cast<int>(rows.size()) < wanted) {
        rows.push_back(makeRow(this));
        rowsLayout->addWidget(rows.back()->frame);
    }
    while (static_cast<int>(rows.size()) > wanted) {
        delete rows.back()->frame;
        delete rows.back();
        rows.pop_back();
    }
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right() + 24;
    const int width = std::max(200, this->width() - margins);
    std::array<int, ColumnShares.size()> widths{};
    for (std::size_t c = 0; c < widths.size(); ++c) widths[c] = width * ColumnShares[c] / 100;
    for (BoardRowWidgets* row : rows) {
        row->frame->setFixedHeight(lineHeight);
        row->place->setFixedWidth(widths[0]);
        row->name->setFixedWidth(widths[1]);
        row->name->setIndent(lineHeight / 2);
        row->club->setFixedWidth(widths[2]);
        row->title->setFixedWidth(widths[0] + widths[1] + widths[2]);
        row->holes->setFixedWidth(widths[3]);
        row->gross->setFixedWidth(widths[4]);
        row->score->setFixedWidth(widths[5]);
        row->status->setFixedWidth(widths[3] + widths[4] + widths[5]);
    }
    splitIntoPages();
    showPage(std::min(page, pageCount() - 1));
}

void CClubhouseBoardDlg::splitIntoPages() {
    const std::size_t perPage = std::max<std::size_t>(2, rows.size());
    pages.clear();
    std::vector<Line> current;
    Line heading;
    for (const Line& line : lines) {
        // A heading never stands alone at the foot of a page.
        const bool full = current.size() == perPage || (line.heading && current.size() + 1 == perPage);
        if (full) {
            pages.push_back(std::move(current));
            current.clear();
            if (!line.heading) {
                Line continued = heading;
                continued.name += QStringLiteral(" (forts.)");
                current.push_back(continued);
            }
        }
        if (line.heading) heading = line;
        current.push_back(line);
    }
    if (!current.empty() || pages.empty()) pages.push_back(std::move(current));
    if (pages.size() > 1) {
        if (!pager->isActive()) pager->start();
    } else {
        pager->stop();
    }
}

void CClubhouseBoardDlg::showNextPage() { showPage((page + 1) % pageCount()); }

void CClubhouseBoardDlg::showPage(int index) {
    page = std::clamp(index, 0, pageCount() - 1);
    shown = pages[page];
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r < shown.size()) {
            rows[r]->frame->show();
            showLine(*rows[r], shown[r], r % 2 == 0);
        } else {
            rows[r]->frame->hide();
        }
    }
    pageLabel->setText(pageCount() > 1 ? QStringLiteral("Side %1 av %2").arg(page + 1).arg(pageCount()) : QString());
}

void CClubhouseBoardDlg::showLine(BoardRowWidgets& row, const Line& line, bool shaded) {
    setColour(row.frame, QPalette::Window, line.heading ? HeadingRow : shaded ? ShadedRow : Background);
    QFont font = this->font();
    font.setBold(line.heading);
    for (QLabel* label : {row.title, row.holes, row.gross, row.score}) label->setFont(font);
    row.title->setVisible(line.heading);
    for (QLabel* label : {row.place, row.name, row.club}) label->setVisible(!line.heading);
    const bool figures = line.status.isEmpty();
    for (QLabel* label : {row.holes, row.gross, row.score}) label->setVisible(figures);
    row.status->setVisible(!figures);
    setElidedText(line.heading ? row.title : row.name, line.name);
    setElidedText(row.place, line.place);
    setElidedText(row.club, line.club);
    setElidedText(row.holes, line.holes);
    setElidedText(row.gross, line.gross);
    setElidedText(row.score, line.score);
    setElidedText(row.status, line.status);
}

void CClubhouseBoardDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CClubhouseBoardDlg::mouseDoubleClickEvent(QMouseEvent*) { close(); }

void CClubhouseBoardDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    applySizes();
}
