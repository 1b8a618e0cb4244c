#include "print/Printer.h"

#include <QPrinter>

void preparePrinter(QPrinter& printer, const PagedDocument& document) {
    printer.setDocName(document.title);
    printer.setCreator(QStringLiteral("Teebrook"));
    printer.setResolution(document.resolution);
    // A layout without margins fills the sheet, measured from its corner as in the PDF.
    printer.setFullPage(document.layout.margins().isNull());
    printer.setPageLayout(document.layout);
}

void printDocument(QPrinter& printer, const PagedDocument& document) { document.paint(printer); }
