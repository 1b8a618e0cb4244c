#include "ui/FileMessages.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/MessageBox.h"

namespace {

enum class Access { Read, Write };

QString reasonText(const files::FileResult& result, Access access) {
    switch (result.error) {
        case files::FileError::Missing:
            return QStringLiteral("Filen finnes ikke.");
        case files::FileError::DiskFull:
            return QStringLiteral("Disken er full.");
        case files::FileError::NoPermission:
            return access == Access::Read ? QStringLiteral("Du har ikke lov til å lese filen.")
                                          : QStringLiteral("Du har ikke lov til å skrive til filen.");
        case files::FileError::FolderMissing:
            return QStringLiteral("Mappen finnes ikke.");
        case files::FileError::NotRegular:
            return QStringLiteral("Det som ligger der, er ikke en vanlig fil.");
        case files::FileError::TooLarge:
            return QStringLiteral("Filen er for stor.");
        default:
            return QString::fromLocal8Bit(result.systemText);
    }
}

QString withReason(const QString& message, const QString& reason) {
    return reason.isEmpty() ? message : message + QLatin1Char('\n') + reason;
}

}  // namespace

QString withFailureReason(const QString& message, const files::FileResult& result) {
    return withReason(message, reasonText(result, Access::Write));
}

QString withReadFailureReason(const QString& message, const files::FileResult& result) {
    return withReason(message, reasonText(result, Access::Read));
}

void openPdfOrSayWhy(QWidget* parent, const QString& absolutePath) {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath)))
        MessageBox::warning(parent, QStringLiteral("PDF-filen kunne ikke \u00e5pnes: %1").arg(absolutePath));
}
