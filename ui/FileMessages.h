#pragma once
// Wording of the file rules and file failures for the screens.

#include <QString>

#include "ini/FileSystem.h"

// Message for a competition name that cannot serve as a file name.
inline constexpr const char* UnusableFileNameMessage = "Konkurransenavnet kan ikke brukes som filnavn.";

// `message`, then on a second line why the file could not be written: in Norwegian for the
// usual causes, in the system's own words otherwise.
QString withFailureReason(const QString& message, const files::FileResult& result);
// The same for a file that could not be read.
QString withReadFailureReason(const QString& message, const files::FileResult& result);

class QWidget;
// Opens the PDF file at `absolutePath` in the system's viewer; says so when it cannot.
void openPdfOrSayWhy(QWidget* parent, const QString& absolutePath);
