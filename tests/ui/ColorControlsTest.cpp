// The coloured edit field and label: their own background and text colours, changed at
// run time and painted with the next paint.

#include <QApplication>
#include <QStyle>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/CColorEdit.h"
#include "ui/CColorStatic.h"

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

using ColorControls = UiTest;

TEST_F(ColorControls, NeverRecolouredControlsShowButtonFaceWithBlackText) {
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    CColorEdit edit;
    EXPECT_EQ(edit.backgroundColor(), buttonFace);
    EXPECT_EQ(edit.palette().color(QPalette::Base), buttonFace);
    EXPECT_EQ(edit.textColor(), QColor(Qt::black));
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(Qt::black));

    CColorStatic label(QStringLiteral("Bane:"));
    EXPECT_EQ(label.backgroundColor(), buttonFace);
    EXPECT_EQ(label.palette().color(QPalette::Window), buttonFace);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_TRUE(label.autoFillBackground());
}

TEST_F(ColorControls, NewColoursAreInThePaletteForEveryStateAndPaintedOnceWithTheNextPaint) {
    CColorEdit edit;
    edit.setReadOnly(true);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    PaintCounter paints(&edit);

    const QColor blue(0x00, 0x66, 0xFF);
    edit.setBackgroundColor(blue);
    edit.setTextColor(Qt::white);
    // Nothing is painted until the event loop runs; then both changes are painted together.
    EXPECT_EQ(paints.count, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, 1);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        EXPECT_EQ(edit.palette().color(group, QPalette::Base), blue);
        EXPECT_EQ(edit.palette().color(group, QPalette::Text), QColor(Qt::white));
    }
    // The same colours again change nothing and cost no paint.
    edit.setColors(blue, Qt::white);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, 1);
}

TEST_F(ColorControls, LabelRecolouredIsPaintedWithItsWindowColours) {
    CColorStatic label(QStringLiteral("Bane: Testbanen"));
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    PaintCounter paints(&label);

    const QColor course(0xA9, 0xDF, 0xBA);
    label.setBackgroundColor(course);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, 1);
    EXPECT_EQ(label.backgroundColor(), course);
    EXPECT_EQ(label.palette().color(QPalette::Inactive, QPalette::Window), course);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(ColorControls, PaintWithAPaletteStyleWithoutChangingOtherWidgets) {
    QStyle* appStyle = QApplication::style();
    CColorEdit edit;
    CColorStatic label;
    EXPECT_EQ(edit.style()->name(), QStringLiteral("fusion"));
    EXPECT_EQ(label.style()->name(), QStringLiteral("fusion"));
    EXPECT_EQ(QApplication::style(), appStyle);
    QWidget other;
    EXPECT_EQ(other.style(), appStyle);
}

}  // namespace
