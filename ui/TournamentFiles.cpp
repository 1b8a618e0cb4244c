#include "ui/TournamentFiles.h"

#include "ui/TextCodec.h"

namespace {

bool isControl(QChar c) {
    const char16_t code = c.unicode();
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F);
}

std::string pathInWorkDir(const QString& prefix, const QString& name, const QString& suffix) {
    return (prefix + storedName(name) + suffix).toStdString();
}

}  // namespace

bool isUsableFileName(const QString& name) {
    if (name == QStringLiteral(".") || name == QStringLiteral("..")) return false;
    for (QChar c : name) {
        if (c == u'/' || c == u'\\' || isControl(c)) return false;
    }
    return true;
}

QString storedName(const QString& name) { return toQString(fromQString(name)); }

std::string tournamentFilePath(const QString& name) {
    return pathInWorkDir(QStringLiteral("./data/"), name, QStringLiteral(".ini"));
}

std::string startListPath(const QString& name) {
    return pathInWorkDir(QStringLiteral("./"), name, QStringLiteral("_StartListe.txt"));
}

std::string resultListPath(const QString& name) {
    return pathInWorkDir(QStringLiteral("./"), name, QStringLiteral("_ResultatListe.txt"));
}

std::string scoreCardPath(const QString& name) {
    return pathInWorkDir(QStringLiteral("./"), name, QStringLiteral("_Scorekort.pdf"));
}
