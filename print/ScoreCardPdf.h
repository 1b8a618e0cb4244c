#pragma once
// Score cards as a PDF: two cards side by side on an A4 page in landscape, so a page folds
// or cuts into two cards of a club card's size. The figures come from the core's ScoreCard;
// this only lays them out.

#include <QByteArray>
#include <vector>

#include "scoring/ScoreCard.h"

// The PDF of `cards`, in their order; no cards give one empty page.
QByteArray renderScoreCardsPdf(const std::vector<ScoreCard>& cards);
