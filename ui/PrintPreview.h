#pragma once
// "Skriv ut...": the desktop's print dialog, reached from a preview of the pages.

#include "print/Pages.h"

class QWidget;

// Shows `document` in a print preview over `parent`, whose print button opens the print dialog.
void printWithPreview(QWidget* parent, const PagedDocument& document);
