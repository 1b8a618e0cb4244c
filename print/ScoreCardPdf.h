#pragma once
// Score cards as a PDF: two cards side by side on an A4 page in landscape, so a page folds
// or cuts into two cards of a club card's size. The figures come from the core's ScoreCard;
// this only lays them out.

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "ini/FileSystem.h"
#include "print/Pages.h"
#include "scoring/ScoreCard.h"

// The pages of `cards`, for the PDF file and the printer alike. With the scoring service's
// `pageAddress` ("http://host:port"), a card of a group with a code carries the QR code of the
// group's phone page.
PagedDocument scoreCardPages(const std::vector<ScoreCard>& cards, const QString& pageAddress = {});
// The PDF of `cards`, in their order; no cards give one empty page.
QByteArray renderScoreCardsPdf(const std::vector<ScoreCard>& cards, const QString& pageAddress = {});
// Writes the cards of every player through the safe file replacement; when that fails, any
// old file is left as it was and the answer says why.
files::FileResult writeScoreCardsPdf(const CTournamentInfo& tournament, const std::string& path,
                                     const QString& pageAddress = {});
