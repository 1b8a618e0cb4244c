#include "ui/CColorEdit.h"

CColorEdit::CColorEdit(QWidget* parent) : ColouredLineEdit(parent) {}
