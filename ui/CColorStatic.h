#pragma once
// A text label with a background and a text colour of its own that can change at run time.

#include <QLabel>

#include "ui/ColorSupport.h"

using ColouredLabel = ColouredControl<QLabel, QPalette::Window, QPalette::WindowText>;

class CColorStatic : public ColouredLabel {
    Q_OBJECT
public:
    explicit CColorStatic(QWidget* parent = nullptr);
    explicit CColorStatic(const QString& text, QWidget* parent = nullptr);
};
