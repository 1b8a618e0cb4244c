#pragma once
// A paper on a printer: the same pages its PDF file holds.

#include "print/Pages.h"

class QPrinter;

// Sets `printer` up for `document` (its paper, margins and resolution), before a print
// dialog shows it, so the dialog and the preview start from the document's own page.
void preparePrinter(QPrinter& printer, const PagedDocument& document);
// Paints every page of `document` onto `printer`, set up by preparePrinter.
void printDocument(QPrinter& printer, const PagedDocument& document);
