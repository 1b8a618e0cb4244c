#pragma once
// The "Lukk" button that ends the set-up screens: the default button, closing the screen.

class QBoxLayout;
class QDialog;
class QPushButton;

// Adds a right-aligned row holding "Lukk" to `layout`; the button accepts `dialog`.
QPushButton* addCloseButton(QDialog* dialog, QBoxLayout* layout);
