#include "ui/FileMessages.h"

namespace {

QString reasonText(const files::FileResult& result) {
    switch (result.error) {
        case files::FileError::Missing:
            return QStringLiteral("Filen finnes ikke.");
        case files::FileError::DiskFull:
            return QStringLiteral("Disken er full.");
        case files::FileError::NoPermission:
            return QStringLiteral("Du har ikke lov til å skrive til filen.");
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

}  // namespace

QString withFailureReason(const QString& message, const files::FileResult& result) {
    const QString reason = reasonText(result);
    return reason.isEmpty() ? message : message + QLatin1Char('\n') + reason;
}
