#pragma once
// Wording of the file rules and file failures for the screens.

#include <QString>

#include "ini/FileSystem.h"
#include "model/FileMessages.h"

// Message for a competition name that cannot serve as a file name.
inline constexpr const char* UnusableFileNameMessage = "Konkurransenavnet kan ikke brukes som filnavn.";

// withFailureReason and withReadFailureReason of model/FileMessages.h for the screens' texts.
QString withFailureReason(const QString& message, const files::FileResult& result);
QString withReadFailureReason(const QString& message, const files::FileResult& result);

class QWidget;
// Opens the PDF file at `absolutePath` in the system's viewer; says so when it cannot.
void openPdfOrSayWhy(QWidget* parent, const QString& absolutePath);
