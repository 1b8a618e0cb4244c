#pragma once
// Points the import screens at a temporary directory for one test and back afterwards.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "app/CTournamentApp.h"

class TemporaryImportDirectory {
public:
    TemporaryImportDirectory() : saved(CTournamentApp::instance()->importDirectory()) {
        CTournamentApp::instance()->setImportDirectory(dir.path().toStdString() + "/");
    }
    ~TemporaryImportDirectory() { CTournamentApp::instance()->setImportDirectory(saved); }
    TemporaryImportDirectory(const TemporaryImportDirectory&) = delete;
    TemporaryImportDirectory& operator=(const TemporaryImportDirectory&) = delete;

    // Writes `contents` byte for byte to the file `name` of the directory.
    bool write(const QString& name, const QByteArray& contents) const {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    // The import directory the program had before the test.
    const std::string& savedDirectory() const { return saved; }

private:
    QTemporaryDir dir;
    std::string saved;
};
