#include "records/pitcher_record.h"

#include "records/columns.h"

#include <array>

namespace {

using records::NumberField;
using R = CPitcherRecord;

constexpr std::array<records::Field<CPitcherRecord>, 23> kBlock = {
    NumberField("", 0, 2, &R::m_nWins),
    NumberField(" ", 3, 2, &R::m_nLosses),
    NumberField(" ", 6, 3, &R::m_nEarnedRuns),
    NumberField(" ", 10, 3, &R::m_nInningsPitched),
    NumberField(" ", 14, 1, &R::m_nThird),
    NumberField(" ", 16, 2, &R::m_nGames),
    NumberField(" ", 19, 2, &R::m_nCompleteGames),
    NumberField(" ", 22, 2, &R::m_nSaves),
    NumberField(" ", 25, 3, &R::m_nHitsAllowed),
    NumberField(" ", 29, 3, &R::m_nWalks),
    NumberField(" ", 33, 3, &R::m_nStrikeOuts),
    NumberField(" ", 37, 1, &R::m_nFastball),
    NumberField(" ", 39, 1, &R::m_nCurve),
    NumberField(" ", 41, 1, &R::m_nSlider),
    NumberField(" ", 43, 1, &R::m_nSpecialtyPitch),
    NumberField(" ", 45, 1, &R::m_nSpRating),
    NumberField(" ", 47, 1, &R::m_nStamina),
    NumberField(" ", 49, 1, &R::m_nAccuracy),
    NumberField(" ", 51, 1, &R::m_nFielding),
    NumberField(" ", 53, 1, &R::m_nPickOff),
    NumberField(" ", 55, 1, &R::m_nBat),
    NumberField(" ", 57, 1, &R::m_nBunt),
    NumberField(" ", 59, 1, &R::m_nInjury),
};

static_assert(records::IsContiguous(kBlock));
static_assert(records::LayoutWidth(kBlock) == CPitcherRecord::BLOCK_LENGTH);

} // namespace

void CPitcherRecord::ParseBlock(std::string_view block) {
    records::ParseFields(*this, block, kBlock);
}

std::string CPitcherRecord::FormatBlock() const {
    std::string block;
    block.reserve(BLOCK_LENGTH);
    records::FormatFields(*this, block, kBlock);
    return block;
}
