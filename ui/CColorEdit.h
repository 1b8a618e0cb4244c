#pragma once
// An edit field with a background colour of its own that can change at run time.

#include <QColor>
#include <QLineEdit>

class CColorEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CColorEdit(QWidget* parent = nullptr);

    // Stores the colour in the palette (one change, used by every painting) and repaints at once.
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return backgroundColor_; }
    QColor textColor() const { return textColor_; }

private:
    void applyColors();

    QColor backgroundColor_;
    QColor textColor_;
};
