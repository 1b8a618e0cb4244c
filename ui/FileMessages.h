#pragma once
// Wording of file failures for the screens, and opening a written PDF.

#include <QString>

#include "ini/FileSystem.h"
#include "model/FileMessages.h"

// withFailureReason and withReadFailureReason of model/FileMessages.h for the screens' texts.
QString withFailureReason(const QString& message, const files::FileResult& result);
QString withReadFailureReason(const QString& message, const files::FileResult& result);

class QWidget;
// Opens the PDF file at `absolutePath` in the system's viewer; says so when it cannot.
void openPdfOrSayWhy(QWidget* parent, const QString& absolutePath);
