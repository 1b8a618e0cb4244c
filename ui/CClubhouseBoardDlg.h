#pragma once
// "Resultattavle": the leaderboard for the clubhouse screen. A window of its own that never
// takes the focus from the play screen, full screen on a second screen when there is one,
// else in front of the play screen and as large as what it shows.
// Each competition lists its players in prize-list order; when the rows do not fit, the
// board pages through them. Changes are gathered and shown shortly after, so typing a
// stroke never waits for the board.

#include <QDialog>
#include <QString>
#include <vector>

class QLabel;
class QTimer;
class QVBoxLayout;
struct BoardRowWidgets;

class CClubhouseBoardDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int PageIntervalMs = 10000;
    // Long enough to gather a burst of keystrokes, short enough to show a stroke within a second.
    static constexpr int RefreshDelayMs = 250;

    explicit CClubhouseBoardDlg(QWidget* parent = nullptr);
    ~CClubhouseBoardDlg() override;

    // Full screen on a screen other than the parent's when there is one, else a window in
    // front of the parent fitted to the board (fitInto).
    void showOnBestScreen();
    // Rows of 1/30 of the screen's `screenLines` (36 pixels at 1080) and a window as large as
    // the board's lines take, within `available`; only lines beyond that page.
    void fitInto(const QRect& available, int screenLines);
    // The height of a row of the board, in pixels.
    int rowHeight() const { return lineHeight; }
    // Asks for the board to be redrawn soon; cheap enough for every keystroke.
    void scheduleRefresh();
    // Redraws from the tournament now.
    void refresh();
    void showNextPage();

    int pageCount() const { return static_cast<int>(pages.size()); }
    int currentPage() const { return page; }
    QTimer* pageTimer() const { return pager; }
    QTimer* refreshTimer() const { return refresher; }

    // One line of the board: a competition's heading or a player.
    struct Line {
        bool heading = false;
        QString place, name, club, holes, gross, score;
        // "Ikke startet" or "Mangler tee", shown in place of the figures.
        QString status;
    };
    // The lines of the page shown, for tests and the screen reader.
    const std::vector<Line>& shownLines() const { return shown; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildForm();
    void listenToSession();
    void applySizes();
    int rowsPerPage() const;
    void splitIntoPages();
    void showPage(int index);
    void showLine(BoardRowWidgets& row, const Line& line, bool shaded);

    std::vector<Line> lines;
    std::vector<std::vector<Line>> pages;
    std::vector<Line> shown;
    int page = 0;
    int lineHeight = 40;
    // The row height of a board in a window; 0 while rows follow the board's height.
    int windowedLineHeight = 0;

    QLabel* titleLabel = nullptr;
    QLabel* subtitleLabel = nullptr;
    QLabel* pageLabel = nullptr;
    QVBoxLayout* rowsLayout = nullptr;
    std::vector<BoardRowWidgets*> rows;
    QTimer* pager = nullptr;
    QTimer* refresher = nullptr;
};
