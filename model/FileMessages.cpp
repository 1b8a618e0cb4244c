#include "model/FileMessages.h"

#include "text/Encoding.h"
#include "text/Text.h"

namespace {

enum class Access { Read, Write };

std::string_view reasonText(const files::FileResult& result, Access access) {
    switch (result.error) {
        case files::FileError::Missing:
            return "Filen finnes ikke.";
        case files::FileError::DiskFull:
            return "Disken er full.";
        case files::FileError::NoPermission:
            return access == Access::Read ? "Du har ikke lov til å lese filen."
                                          : "Du har ikke lov til å skrive til filen.";
        case files::FileError::FolderMissing:
            return "Mappen finnes ikke.";
        case files::FileError::NotRegular:
            return "Det som ligger der, er ikke en vanlig fil.";
        case files::FileError::TooLarge:
            return "Filen er for stor.";
        case files::FileError::WrongContents:
            return "Filen er ikke en turneringsfil.";
        default:
            return result.systemText;
    }
}

std::string withReason(std::string_view message, std::string_view reason) {
    std::string text(message);
    if (!reason.empty()) text.append(1, '\n').append(reason);
    return text;
}

}  // namespace

std::string withFailureReason(std::string_view message, const files::FileResult& result) {
    return withReason(message, reasonText(result, Access::Write));
}

std::string withReadFailureReason(std::string_view message, const files::FileResult& result) {
    return withReason(message, reasonText(result, Access::Read));
}

std::string replacedCharactersMessage(std::size_t count) {
    return text::formatInt(static_cast<long long>(count)) + " tegn kunne ikke leses og ble erstattet med «?».";
}

std::string damagedFileMessage(const std::vector<std::string>& faults) {
    constexpr std::size_t MostLinesShown = 10;
    std::string message = "Turneringsfilen er skadet:";
    for (std::size_t i = 0; i < faults.size() && i < MostLinesShown; ++i) message.append(1, '\n').append(faults[i]);
    if (faults.size() > MostLinesShown)
        message += "\n… og " + text::formatInt(static_cast<long long>(faults.size() - MostLinesShown)) + " til.";
    return message;
}

std::string courseNotInTableMessage(std::string_view courseName) {
    return "Banen «" + text::utf8FromWindows1252(courseName) + "» finnes ikke i banetabellen.";
}
