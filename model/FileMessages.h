#pragma once
// The wording of file failures, one for the screens and the export alike. Texts are UTF-8,
// as the screens show them and the export prints them.

#include <string>
#include <string_view>
#include <vector>

#include "ini/FileSystem.h"

// `message`, then on a second line why the file could not be written: in Norwegian for the
// usual causes, in the system's own words otherwise (the locale's text, UTF-8 wherever the
// screens run: Qt 6 takes local text on Unix as UTF-8). Only `message` when nothing says why.
std::string withFailureReason(std::string_view message, const files::FileResult& result);
// The same for a file that could not be read.
std::string withReadFailureReason(std::string_view message, const files::FileResult& result);

// "N tegn kunne ikke leses og ble erstattet med «?».", for `count` characters of a file read
// that Windows-1252 cannot hold.
std::string replacedCharactersMessage(std::size_t count);

// "Turneringsfilen er skadet:" and a line for each fault of a damaged tournament file, at most
// ten, then how many more there are.
std::string damagedFileMessage(const std::vector<std::string>& faults);
// "Banen «X» finnes ikke i banetabellen.", for an older tournament file whose course (named in
// Windows-1252) the course table does not have.
std::string courseNotInTableMessage(std::string_view courseName);
