#include "ui/FileMessages.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/MessageBox.h"

// The core words it; the screens show its UTF-8.
QString withFailureReason(const QString& message, const files::FileResult& result) {
    return QString::fromStdString(withFailureReason(message.toStdString(), result));
}

QString withReadFailureReason(const QString& message, const files::FileResult& result) {
    return QString::fromStdString(withReadFailureReason(message.toStdString(), result));
}

void openPdfOrSayWhy(QWidget* parent, const QString& absolutePath) {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath)))
        MessageBox::warning(parent, QStringLiteral("PDF-filen kunne ikke åpnes: %1").arg(absolutePath));
}
