#pragma once
// The one place where the records' Windows-1252 texts meet Qt's Unicode strings, for the
// screens and the printed pages alike.

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

// Windows-1252 bytes to a QString.
QString toQString(std::string_view cp1252);
// A QString to Windows-1252 bytes; characters the code page lacks become '?'.
std::string fromQString(const QString& text);
// Each of the Windows-1252 `texts`, in their order.
template <class Texts>
QStringList toQStrings(const Texts& texts) {
    QStringList list;
    for (std::string_view text : texts) list << toQString(text);
    return list;
}

// A whole number as the screens and the pages show it.
QString numberText(long long value);
