#pragma once
// The files named after a tournament, relative to the working directory.

#include <QString>
#include <string>

// Message for a competition name that cannot serve as a file name.
inline constexpr const char* UnusableFileNameMessage = "Konkurransenavnet kan ikke brukes som filnavn.";

// True when `name` can name a file inside the working directory's folders: no "/" or "\",
// no control character, and neither "." nor "..". The empty name is refused elsewhere.
bool isUsableFileName(const QString& name);

// The name as the tournament keeps it (Windows-1252) and back, so that a path is formed
// from the very text the tournament file stores.
QString storedName(const QString& name);

// "./data/<name>.ini", with the name in UTF-8 as file names on disk are.
std::string tournamentFilePath(const QString& name);
// "./<name>_StartListe.txt"
std::string startListPath(const QString& name);
// "./<name>_ResultatListe.txt"
std::string resultListPath(const QString& name);
// "./<name>_Scorekort.pdf"
std::string scoreCardPath(const QString& name);
