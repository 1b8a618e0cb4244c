#include "ui/PrintPreview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "print/Printer.h"

void printWithPreview(QWidget* parent, const PagedDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, document);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("printPreview"));
    preview.setWindowTitle(QStringLiteral("Skriv ut – ") + document.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* target) { printDocument(*target, document); });
    preview.exec();
}
