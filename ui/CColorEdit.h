#pragma once
// An edit field with a background and a text colour of its own that can change at run time.

#include <QLineEdit>

#include "ui/ColorSupport.h"

using ColouredLineEdit = ColouredControl<QLineEdit, QPalette::Base, QPalette::Text>;

class CColorEdit : public ColouredLineEdit {
    Q_OBJECT
public:
    explicit CColorEdit(QWidget* parent = nullptr);
};
