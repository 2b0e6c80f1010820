// The pitcher block: the detail block of a pitcher's line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// A pitcher's statistics and ratings, read from and written to the block.
class CPitcherRecord {
public:
    /// The length of a formatted block whose fields are all in range.
    static constexpr std::size_t BLOCK_LENGTH = 60;

    int m_nWins = 0, m_nLosses = 0, m_nEarnedRuns = 0, m_nInningsPitched = 0, m_nThird = 0,
        m_nGames = 0, m_nCompleteGames = 0, m_nSaves = 0, m_nHitsAllowed = 0, m_nWalks = 0,
        m_nStrikeOuts = 0, m_nFastball = 0, m_nCurve = 0, m_nSlider = 0, m_nSpecialtyPitch = 0,
        m_nSpRating = 0, m_nStamina = 0, m_nAccuracy = 0, m_nFielding = 0, m_nPickOff = 0,
        m_nBat = 0, m_nBunt = 0, m_nInjury = 0;

    /// Sets all 23 fields from a block of any length; fields beyond its end come out 0,
    /// characters after the block are ignored.
    void ParseBlock(std::string_view block);

    /// Returns the block text: 60 characters when every field is in range, longer when a value
    /// needs more digits or a sign.
    std::string FormatBlock() const;

    bool operator==(const CPitcherRecord&) const = default;
};
